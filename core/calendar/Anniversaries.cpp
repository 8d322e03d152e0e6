#include "calendar/Anniversaries.h"

#include <algorithm>
#include <cstdio>

#include "calendar/DayInfoFormat.h"
#include "lunar/LunarCalendar.h"
#include "text/Numbers.h"
#include "time/Gregorian.h"

namespace quillet {

namespace {

// Any hour but 23, which the conversions count as the next day.
constexpr int kConversionHour = 0;

constexpr Rgb kHolidayTitle{90, 100, 255};
constexpr Rgb kHolidayBody{255, 0, 0};
constexpr Rgb kPostItTitle{32, 64, 232};
constexpr Rgb kPostItBody{0, 0, 0};
constexpr Rgb kPlain{90, 100, 255};

bool LunarDateOf(int year, int month, int day, LunarDate& lunar) {
  // The conversion reads a table of lunar years: pass it only dates the table covers.
  const bool beforeTable = year < kFirstLunarYear || (year == kFirstLunarYear && month == 1 && day < 31);
  if (beforeTable || year > kLastLunarYear + 1) return false;
  lunar = LunarDate{};
  return SolarToLunar(year, month, day, kConversionHour, lunar) && lunar.valid;
}

std::string LunarPrefix(int month, int day) {
  char prefix[48];
  std::snprintf(prefix, sizeof prefix, "(음) %d.%d \n", month, day);
  return prefix;
}

void AppendName(std::string& names, const std::string& name) {
  if (!names.empty()) names += '\n';
  names += name;
}

struct Matches {
  std::vector<const DayInfoRecord*> entries;
  LunarDate lunar;
  bool lunarMatched = false;
};

Matches MatchDate(const std::vector<DayInfoRecord>& list, int year, int month, int day) {
  Matches matches;
  if (!IsValidDate(CivilDate{year, month, day})) return matches;
  const bool hasLunar = LunarDateOf(year, month, day, matches.lunar);
  for (const DayInfoRecord& r : list) {
    if (!AnniversaryFallsOn(r, month, day, hasLunar ? &matches.lunar : nullptr)) continue;
    matches.entries.push_back(&r);
    matches.lunarMatched = matches.lunarMatched || r.lunar;
  }
  return matches;
}

std::string CategoryPrefix(int category, const AnniversaryCategoryNames& categories) {
  if (category < 1 || category > kAnniversaryCategoryCount) return " ";
  const std::string& name = categories[category - 1];
  return (name.empty() ? std::string(" ") : name) + " 정보";
}

int BoundedAbsolute(std::string_view text, int most) {
  const long long value = ParseIntLikeAtoi(text);
  return static_cast<int>(std::min<long long>(value < 0 ? -value : value, most));
}

}  // namespace

bool AnniversaryFallsOn(const DayInfoRecord& record, int month, int day, const LunarDate* lunar) {
  if (!record.lunar) return record.month == month && record.day == day;
  return lunar != nullptr && record.month == lunar->month && record.day == lunar->day && record.leap == lunar->leap;
}

std::vector<const DayInfoRecord*> AnniversariesOn(const std::vector<DayInfoRecord>& list, int year, int month,
                                                  int day) {
  return MatchDate(list, year, month, day).entries;
}

std::string AnniversaryDayText(const std::vector<DayInfoRecord>& list, int year, int month, int day) {
  const Matches matches = MatchDate(list, year, month, day);
  std::string names;
  for (const DayInfoRecord* entry : matches.entries) AppendName(names, entry->name);
  return matches.lunarMatched ? LunarPrefix(matches.lunar.month, matches.lunar.day) + names : names;
}

const AnniversaryDay& AnniversaryMonth::Day(int day) const {
  static const AnniversaryDay kNone;
  return day >= 1 && day < static_cast<int>(days.size()) ? days[day] : kNone;
}

AnniversaryMonth AnniversariesOfMonth(const std::vector<DayInfoRecord>& list, int year, int month) {
  AnniversaryMonth result;
  const int length = DaysInMonth(year, month);
  if (length == 0) return result;
  std::array<std::string, 32> names;
  std::array<const DayInfoRecord*, 32> lunarEntry{};

  const auto land = [&](const DayInfoRecord& r, int day) {
    if (day < 1 || day > length) return;
    AnniversaryDay& d = result.days[day];
    d.any = true;
    d.holiday = d.holiday || r.holiday;
    if (r.image >= 1 && r.image <= kAnniversaryMarkCount) d.marks.set(r.image);
    AppendName(names[day], r.name);
    if (r.lunar) lunarEntry[day] = &r;
  };

  for (const DayInfoRecord& r : list) {
    if (!r.lunar) {
      if (r.month == month) land(r, r.day);
      continue;
    }
    // A lunar year starts in January or February, so its last months reach into the next
    // solar year: the year before can land in this one.
    for (const int lunarYear : {year - 1, year}) {
      if (lunarYear < kFirstLunarYear || lunarYear > kLastLunarYear) continue;
      LunarDate solar;
      if (!LunarToSolar(lunarYear, r.month, r.day, kConversionHour, r.leap, solar)) continue;
      if (solar.year == year && solar.month == month) land(r, solar.day);
    }
  }
  for (int day = 1; day <= length; ++day) {
    // Every lunar entry landing on one day has that day's lunar month and day.
    const DayInfoRecord* lunar = lunarEntry[day];
    result.days[day].text = lunar ? LunarPrefix(lunar->month, lunar->day) + names[day] : names[day];
  }
  return result;
}

NotificationRequest MakeAnniversaryNotification(const DayInfoRecord& entry, const AnniversaryCategoryNames& categories,
                                                AlertStyle style, int autoCloseSeconds) {
  NotificationRequest n;
  n.style = style;
  const bool staysOpen = style == AlertStyle::Popup || style == AlertStyle::PostIt;
  n.autoCloseMilliseconds = staysOpen ? kStaysOpen : DelayMilliseconds(autoCloseSeconds);
  const char* calendar = !entry.lunar ? "양력" : entry.leap ? "윤달" : "음력";
  char date[32];
  std::snprintf(date, sizeof date, " %02d/%02d [", entry.month, entry.day);
  n.title = CategoryPrefix(entry.image, categories) + date + calendar + "]";
  n.body = entry.name;
  if (entry.holiday) {
    n.titleColor = kHolidayTitle;
    n.bodyColor = kHolidayBody;
  } else if (style == AlertStyle::PostIt) {
    n.titleColor = kPostItTitle;
    n.bodyColor = kPostItBody;
  } else {
    n.titleColor = kPlain;
    n.bodyColor = kPlain;
  }
  return n;
}

AnniversaryEditorOutcome AcceptAnniversaryEditor(const AnniversaryEditorFields& fields, const DayInfoRecord& edited) {
  AnniversaryEditorOutcome outcome;
  DayInfoRecord& e = outcome.entry;
  e = edited;
  e.leap = fields.leap;
  e.name = fields.name;
  e.lunar = fields.lunar;
  e.holiday = fields.holiday;
  e.day = BoundedAbsolute(fields.dayText, 31);
  e.month = BoundedAbsolute(fields.monthText, 12);
  e.image = fields.category;
  switch (CheckDayInfoRecord(e)) {
    case DayInfoRecordFault::None:
      outcome.accepted = true;
      break;
    case DayInfoRecordFault::Month:
    case DayInfoRecordFault::Day:
      outcome.refusal = "날짜가 올바르지 않습니다";
      break;
    case DayInfoRecordFault::EmptyName:
    case DayInfoRecordFault::NameHasSeparator:
    case DayInfoRecordFault::LineTooLong:
      outcome.refusal = "정보가 없습니다";
      break;
  }
  return outcome;
}

}  // namespace quillet
