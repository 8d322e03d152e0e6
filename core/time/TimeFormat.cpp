#include "time/TimeFormat.h"

#include <algorithm>
#include <utility>

#include "time/Gregorian.h"

namespace quillet {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysPer400Years = 146097;  // a whole number of weeks, too
constexpr std::int64_t kDayOfYearOne = -719162;    // 0001-01-01, where Gregorian.h begins

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

// Wide, because a caller's year may be INT_MIN or INT_MAX.
bool IsLeap(std::int64_t year) {
  return (FloorMod(year, 4) == 0 && FloorMod(year, 100) != 0) || FloorMod(year, 400) == 0;
}

}  // namespace

BrokenDownTime BreakDownUtc(std::int64_t secondsSince1970) {
  const std::int64_t seconds = std::clamp(secondsSince1970, kEarliestBrokenDownSecond, kLatestBrokenDownSecond);
  const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
  const std::int64_t secondOfDay = seconds - days * kSecondsPerDay;

  // Gregorian.h counts from the year 1; earlier days move forward by whole 400-year cycles,
  // which repeat dates and weekdays exactly.
  const std::int64_t cycles =
      days < kDayOfYearOne ? (kDayOfYearOne - days + kDaysPer400Years - 1) / kDaysPer400Years : 0;
  const std::int64_t shifted = days + cycles * kDaysPer400Years;
  const CivilDate date = DateFromDaysSinceEpoch(shifted);

  BrokenDownTime time;
  time.year = static_cast<int>(date.year - cycles * 400);
  time.month = date.month;
  time.day = date.day;
  time.hour = static_cast<int>(secondOfDay / 3600);
  time.minute = static_cast<int>(secondOfDay / 60 % 60);
  time.second = static_cast<int>(secondOfDay % 60);
  time.weekday = static_cast<int>(FloorMod(days + 4, 7));  // 1970-01-01 was a Thursday
  time.yearDay = static_cast<int>(shifted - DaysSinceEpoch(CivilDate{date.year, 1, 1}));
  return time;
}

namespace {

constexpr const char* kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};

std::string_view Name(const char* const* names, int count, std::int64_t index, bool abbreviated) {
  if (index < 0 || index >= count) return "?";
  const std::string_view name = names[index];
  return abbreviated ? name.substr(0, 3) : name;
}

void AppendNumber(std::int64_t value, int width, char fill, std::string& out) {
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) out += '-';
  if (count < width) out.append(static_cast<std::size_t>(width - count), fill);
  while (count > 0) out += digits[--count];
}

struct IsoWeek {
  std::int64_t year;
  std::int64_t week;
};

// Week 1 is the one with the year's first Thursday; weeks begin on Monday.
IsoWeek IsoWeekOf(const BrokenDownTime& time) {
  const auto weeksIn = [](std::int64_t year, std::int64_t januaryFirst) {  // januaryFirst: 0 = Sunday
    return januaryFirst == 4 || (januaryFirst == 3 && IsLeap(year)) ? 53 : 52;
  };
  const std::int64_t mondayBased = FloorMod(std::int64_t{time.weekday} + 6, 7);
  const std::int64_t januaryFirst = FloorMod(std::int64_t{time.weekday} - time.yearDay, 7);
  const std::int64_t year = time.year;
  const std::int64_t week = FloorDiv(std::int64_t{time.yearDay} - mondayBased + 10, 7);
  if (week < 1) {
    const std::int64_t previousFirst = FloorMod(januaryFirst - (IsLeap(year - 1) ? 366 : 365), 7);
    return {year - 1, weeksIn(year - 1, previousFirst)};
  }
  if (week > weeksIn(year, januaryFirst)) return {year + 1, 1};
  return {year, week};
}

constexpr std::string_view kConversions = "aAbBcCdDeFgGhHIjmMnprRStTuUVwWxXyYzZ%";

void AppendConversion(char conversion, bool alternate, const BrokenDownTime& time, std::string& out);

// Expands an internal pattern of conversions and plain characters.
void AppendPattern(std::string_view pattern, bool alternate, const BrokenDownTime& time, std::string& out) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%')
      AppendConversion(pattern[++i], alternate, time, out);
    else
      out += pattern[i];
  }
}

void AppendConversion(char conversion, bool alternate, const BrokenDownTime& time, std::string& out) {
  const auto number = [&](std::int64_t value, int width) { AppendNumber(value, alternate ? 1 : width, '0', out); };
  const auto year = [&](std::int64_t value, bool trimmed) { AppendNumber(value, trimmed ? 1 : 4, '0', out); };
  const std::int64_t weekday = time.weekday;
  switch (conversion) {
    case 'a': out += Name(kDayNames, 7, weekday, true); break;
    case 'A': out += Name(kDayNames, 7, weekday, false); break;
    case 'b':
    case 'h': out += Name(kMonthNames, 12, std::int64_t{time.month} - 1, true); break;
    case 'B': out += Name(kMonthNames, 12, std::int64_t{time.month} - 1, false); break;
    case 'c':
      AppendPattern(alternate ? "%A, %B %d, %Y %H:%M:%S" : "%m/%d/%y %H:%M:%S", false, time, out);
      break;
    case 'C': number(FloorDiv(time.year, 100), 2); break;
    case 'd': number(time.day, 2); break;
    case 'D': AppendPattern("%m/%d/%y", alternate, time, out); break;
    case 'e': AppendNumber(time.day, alternate ? 1 : 2, ' ', out); break;
    case 'F': AppendPattern("%Y-%m-%d", alternate, time, out); break;
    case 'g': AppendNumber(FloorMod(IsoWeekOf(time).year, 100), 2, '0', out); break;
    case 'G': year(IsoWeekOf(time).year, false); break;
    case 'H': number(time.hour, 2); break;
    case 'I': number(FloorMod(std::int64_t{time.hour} + 11, 12) + 1, 2); break;
    case 'j': number(std::int64_t{time.yearDay} + 1, 3); break;
    case 'm': number(time.month, 2); break;
    case 'M': number(time.minute, 2); break;
    case 'n': out += '\n'; break;
    case 'p': out += FloorMod(time.hour, 24) < 12 ? "AM" : "PM"; break;
    case 'r': AppendPattern("%I:%M:%S %p", alternate, time, out); break;
    case 'R': AppendPattern("%H:%M", alternate, time, out); break;
    case 'S': number(time.second, 2); break;
    case 't': out += '\t'; break;
    case 'T':
    case 'X': AppendPattern("%H:%M:%S", alternate && conversion == 'T', time, out); break;
    case 'u': AppendNumber(FloorMod(weekday + 6, 7) + 1, 1, '0', out); break;
    case 'U': number(FloorDiv(std::int64_t{time.yearDay} + 7 - FloorMod(weekday, 7), 7), 2); break;
    case 'V': number(IsoWeekOf(time).week, 2); break;
    case 'w': AppendNumber(weekday, 1, '0', out); break;
    case 'W': number(FloorDiv(std::int64_t{time.yearDay} + 7 - FloorMod(weekday + 6, 7), 7), 2); break;
    case 'x': AppendPattern(alternate ? "%A, %B %d, %Y" : "%m/%d/%y", false, time, out); break;
    case 'y': number(FloorMod(time.year, 100), 2); break;
    case 'Y': year(time.year, alternate); break;
    case '%': out += '%'; break;
    default: break;  // %z and %Z: the zone is not known here
  }
}

bool IsConversion(char c) { return kConversions.find(c) != std::string_view::npos; }

bool IsCp949Pair(unsigned char lead, unsigned char trail) {
  const bool trailOk = (trail >= 0x41 && trail <= 0x5A) || (trail >= 0x61 && trail <= 0x7A) || (trail >= 0x81 && trail <= 0xFE);
  return lead >= 0x81 && lead <= 0xFE && trailOk;
}

// Takes whole pieces while they fit; the first that does not ends the text.
class BoundedText {
 public:
  void Add(std::string_view piece) {
    if (text_.size() + piece.size() > kMaxFormattedTime)
      full_ = true;
    else
      text_ += piece;
  }
  bool full() const { return full_; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  bool full_ = false;
};

}  // namespace

std::string FormatTime(std::string_view format, const BrokenDownTime& time) {
  format = format.substr(0, format.find('\0'));
  BoundedText text;
  std::string piece;
  std::size_t i = 0;
  while (i < format.size() && !text.full()) {
    std::size_t next = i + 1;
    if (format[i] == '%') {
      const bool alternate = next < format.size() && format[next] == '#';
      if (alternate) ++next;
      if (next < format.size() && IsConversion(format[next])) {
        piece.clear();
        AppendConversion(format[next], alternate, time, piece);
        text.Add(piece);
        i = next + 1;
        continue;
      }
      // Not a conversion: "%" or "%#" stays as text and what follows is read as text.
    } else if (next < format.size() &&
               IsCp949Pair(static_cast<unsigned char>(format[i]), static_cast<unsigned char>(format[next]))) {
      ++next;
    }
    text.Add(format.substr(i, next - i));
    i = next;
  }
  return text.Take();
}

}  // namespace quillet
