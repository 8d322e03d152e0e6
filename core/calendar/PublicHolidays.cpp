#include "calendar/PublicHolidays.h"

#include <algorithm>
#include <climits>
#include <set>

#include "lunar/LunarCalendar.h"

namespace quillet {
namespace {

constexpr int kFirstHolidayYear = 1949;
constexpr int kStill = 9999;  // last year of a holiday that still stands

// When a holiday on a weekend or on another holiday gives a substitute day.
struct SubstituteRule {
  CivilDate from;  // holidays on or after this date
  bool saturday;   // a Saturday counts too; a Sunday or another holiday always does
};

constexpr SubstituteRule kNoSubstitute{{kStill, 1, 1}, false};
constexpr SubstituteRule kFeastDays{{2014, 1, 1}, false};  // 설날, 추석
constexpr SubstituteRule kChildrensDay{{2014, 1, 1}, true};
constexpr SubstituteRule kNationalDays{{2021, 8, 1}, true};  // 3·1절, 광복절, 개천절, 한글날
constexpr SubstituteRule kSince2023{{2023, 5, 1}, true};    // 부처님오신날, 성탄절

struct FixedHoliday {
  int month;
  int day;
  const char* name;
  int firstYear;
  int lastYear;
  SubstituteRule substitute;
};

// Two holidays on one date are listed fixed before lunar, each in table order.
constexpr FixedHoliday kFixedHolidays[] = {
    {1, 1, "신정", 1949, kStill, kNoSubstitute},
    {1, 2, "신정", 1949, 1998, kNoSubstitute},
    {1, 3, "신정", 1949, 1989, kNoSubstitute},
    {3, 1, "3·1절", 1949, kStill, kNationalDays},
    // Not a holiday in 1960.
    {4, 5, "식목일", 1949, 1959, kNoSubstitute},
    {4, 5, "식목일", 1961, 2005, kNoSubstitute},
    {5, 5, "어린이날", 1975, kStill, kChildrensDay},
    {6, 6, "현충일", 1956, kStill, kNoSubstitute},
    {7, 17, "제헌절", 1949, 2007, kNoSubstitute},
    {8, 15, "광복절", 1949, kStill, kNationalDays},
    {10, 3, "개천절", 1949, kStill, kNationalDays},
    {10, 9, "한글날", 1949, 1990, kNationalDays},
    {10, 9, "한글날", 2013, kStill, kNationalDays},
    {12, 25, "성탄절", 1949, kStill, kSince2023},
};

// A day counted from a date of a lunar year. Counting the eve of 설날 back from lunar 1/1 gives
// the year's last day whether the twelfth month (or a leap one after it) has 29 days or 30.
struct LunarHoliday {
  int lunarMonth;
  int lunarDay;
  int offset;  // days after that date
  const char* name;
  int firstYear;  // solar years of the resulting day
  int lastYear;
  SubstituteRule substitute;
};

constexpr LunarHoliday kLunarHolidays[] = {
    {1, 1, -1, "설날", 1989, kStill, kFeastDays},
    {1, 1, 0, "설날", 1985, kStill, kFeastDays},
    {1, 1, 1, "설날", 1989, kStill, kFeastDays},
    {4, 8, 0, "부처님오신날", 1975, kStill, kSince2023},
    {8, 15, -1, "추석", 1986, kStill, kFeastDays},
    {8, 15, 0, "추석", 1949, kStill, kFeastDays},
    {8, 15, 1, "추석", 1989, kStill, kFeastDays},
};

struct Entry {
  long long day;  // days since the epoch
  int order;      // the table row, for holidays sharing a date
  const char* name;
  const SubstituteRule* rule;  // null for a substitute
};

bool Before(const Entry& a, const Entry& b) { return a.day != b.day ? a.day < b.day : a.order < b.order; }

int YearOf(long long day) { return DateFromDaysSinceEpoch(day).year; }

// The fixed and lunar holidays of the solar years firstYear…lastYear, in date order.
std::vector<Entry> HolidaysOfYears(int firstYear, int lastYear) {
  std::vector<Entry> entries;
  int order = 0;
  for (const FixedHoliday& holiday : kFixedHolidays) {
    for (int year = std::max(firstYear, holiday.firstYear); year <= std::min(lastYear, holiday.lastYear); ++year) {
      entries.push_back({DaysSinceEpoch({year, holiday.month, holiday.day}), order, holiday.name, &holiday.substitute});
    }
    ++order;
  }
  for (const LunarHoliday& holiday : kLunarHolidays) {
    // A lunar year's days may fall in the solar year before or after its number.
    for (int lunarYear = firstYear - 1; lunarYear <= lastYear + 1; ++lunarYear) {
      LunarDate anchor;
      if (!LunarToSolar(lunarYear, holiday.lunarMonth, holiday.lunarDay, 0, false, anchor)) continue;
      const long long day = DaysSinceEpoch({anchor.year, anchor.month, anchor.day}) + holiday.offset;
      const int year = YearOf(day);
      if (year >= std::max(firstYear, holiday.firstYear) && year <= std::min(lastYear, holiday.lastYear)) {
        entries.push_back({day, order, holiday.name, &holiday.substitute});
      }
    }
    ++order;
  }
  std::sort(entries.begin(), entries.end(), Before);
  return entries;
}

bool IsWeekend(long long day) {
  const int weekday = WeekdayOf(DateFromDaysSinceEpoch(day));
  return weekday == 0 || weekday == 6;
}

bool GivesSubstitute(const Entry& holiday, bool shared) {
  if (holiday.day < DaysSinceEpoch(holiday.rule->from)) return false;
  const int weekday = WeekdayOf(DateFromDaysSinceEpoch(holiday.day));
  return shared || weekday == 0 || (weekday == 6 && holiday.rule->saturday);
}

// One substitute for each date that calls for one, whatever number of its holidays do: the first
// later weekday that is neither a holiday nor taken by an earlier substitute.
std::vector<Entry> Substitutes(const std::vector<Entry>& holidays) {
  std::set<long long> taken;
  for (const Entry& holiday : holidays) taken.insert(holiday.day);
  std::vector<Entry> substitutes;
  for (std::size_t first = 0, end = 0; first < holidays.size(); first = end) {
    end = first;
    while (end < holidays.size() && holidays[end].day == holidays[first].day) ++end;
    const bool shared = end - first > 1;
    if (std::none_of(holidays.begin() + first, holidays.begin() + end,
                     [shared](const Entry& holiday) { return GivesSubstitute(holiday, shared); })) {
      continue;
    }
    long long day = holidays[first].day + 1;
    while (IsWeekend(day) || taken.count(day)) ++day;
    taken.insert(day);
    substitutes.push_back({day, INT_MAX, "대체공휴일", nullptr});
  }
  return substitutes;
}

}  // namespace

std::vector<PublicHoliday> PublicHolidaysOf(int year) {
  if (year < std::max(kFirstHolidayYear, kFirstLunarYear) || year > kLastLunarYear) return {};
  // The years around it too: a substitute can cross the new year.
  std::vector<Entry> entries = HolidaysOfYears(year - 1, year + 1);
  const std::vector<Entry> substitutes = Substitutes(entries);
  entries.insert(entries.end(), substitutes.begin(), substitutes.end());
  std::sort(entries.begin(), entries.end(), Before);

  std::vector<PublicHoliday> holidays;
  for (const Entry& entry : entries) {
    if (YearOf(entry.day) == year) {
      holidays.push_back({DateFromDaysSinceEpoch(entry.day), entry.name, entry.rule == nullptr});
    }
  }
  return holidays;
}

}  // namespace quillet
