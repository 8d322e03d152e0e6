#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "lunar/LunarCalendar.h"
#include "time/Gregorian.h"

namespace quillet {
namespace {

struct Lunar {
  int year, month, day;
  bool leap = false;
};

std::string Text(int year, int month, int day, bool leap = false) {
  return std::to_string(year) + '-' + std::to_string(month) + '-' + std::to_string(day) + (leap ? " leap" : "");
}
std::string Text(const CivilDate& d) { return Text(d.year, d.month, d.day); }
std::string Text(const Lunar& d) { return Text(d.year, d.month, d.day, d.leap); }

// The lunar date as text, or "rejected"; a result that breaks the flags says so instead.
std::string LunarOf(const CivilDate& solar, int hour = 0) {
  LunarDate r;
  const bool converted = SolarToLunar(solar.year, solar.month, solar.day, hour, r);
  if (converted != r.valid) return "converted but not valid, or valid but rejected";
  if (!converted) return "rejected";
  return r.hour == hour ? Text(r.year, r.month, r.day, r.leap) : "hour changed";
}

// The solar date as text, or "rejected"; checks the weekday and the hour on the way.
std::string SolarOf(const Lunar& lunar, int hour = 0) {
  LunarDate r;
  if (!LunarToSolar(lunar.year, lunar.month, lunar.day, hour, lunar.leap, r)) return "rejected";
  const CivilDate solar{r.year, r.month, r.day};
  if (!IsValidDate(solar) || r.weekday != WeekdayOf(solar)) return Text(solar) + " with a wrong weekday";
  return r.hour == hour ? Text(solar) : "hour changed";
}

CivilDate SolarDate(const Lunar& lunar) {
  LunarDate r;
  EXPECT_TRUE(LunarToSolar(lunar.year, lunar.month, lunar.day, 0, lunar.leap, r)) << Text(lunar);
  return CivilDate{r.year, r.month, r.day};
}

long long Days(const CivilDate& date) { return DaysSinceEpoch(date); }
int MonthLength(int year, int month, bool leap = false) { return SolarOf({year, month, 30, leap}) == "rejected" ? 29 : 30; }
bool HasLeapMonth(int year, int month) { return SolarOf({year, month, 1, true}) != "rejected"; }

// --- Known days ---------------------------------------------------------------------------

TEST(LunarKnownDays, SeollalAndChuseokFallOnTheirDays) {
  const struct {
    Lunar lunar;
    CivilDate solar;
  } days[] = {
      {{2027, 1, 1}, {2027, 2, 7}},   {{2028, 1, 1}, {2028, 1, 27}},  {{2033, 8, 15}, {2033, 9, 8}},
      {{2040, 8, 15}, {2040, 9, 21}}, {{2000, 1, 1}, {2000, 2, 5}},   {{2023, 1, 1}, {2023, 1, 22}},
      {{2024, 1, 1}, {2024, 2, 10}},  {{2025, 1, 1}, {2025, 1, 29}},  {{2026, 1, 1}, {2026, 2, 17}},
      {{2023, 8, 15}, {2023, 9, 29}}, {{2024, 8, 15}, {2024, 9, 17}}, {{2025, 8, 15}, {2025, 10, 6}},
  };
  for (const auto& d : days) {
    EXPECT_EQ(SolarOf(d.lunar), Text(d.solar));
    EXPECT_EQ(LunarOf(d.solar), Text(d.lunar));
  }
}

TEST(LunarKnownDays, RecentLeapMonthsBeginOnTheirDays) {
  const struct {
    int year, month;
    CivilDate first;
  } leaps[] = {
      {2012, 3, {2012, 4, 21}}, {2014, 9, {2014, 10, 24}}, {2017, 5, {2017, 6, 24}},
      {2020, 4, {2020, 5, 23}}, {2023, 2, {2023, 3, 22}},  {2025, 6, {2025, 7, 25}},
  };
  for (const auto& l : leaps) {
    EXPECT_EQ(LunarOf(l.first), Text(l.year, l.month, 1, true));
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(HasLeapMonth(l.year, month), month == l.month) << l.year;
  }
}

TEST(LunarKnownDays, TheTableStartsOnAWednesday) {
  EXPECT_EQ(LunarOf({1900, 1, 31}), "1900-1-1");
  EXPECT_EQ(SolarOf({1900, 1, 1}), "1900-1-31");
  LunarDate r;
  ASSERT_TRUE(LunarToSolar(1900, 1, 1, 0, false, r));
  EXPECT_EQ(r.weekday, 3);
}

// --- The table against second computations ------------------------------------------------

// The mean moon (Meeus) strays from the true one by under 15 hours; the table's days are
// Korean civil days (UT+8:30 or UT+9).
TEST(LunarTable, EveryMonthBeginsOnTheDayOfANewMoon) {
  const double kSynodicMonth = 29.530588861;
  const double kNewMoon2000 = 2451550.09766 - 2440587.5 + 9.0 / 24;  // KST days since 1970
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (const bool leap : {false, true}) {
        if (leap && !HasLeapMonth(year, month)) continue;
        const double first = static_cast<double>(Days(SolarDate({year, month, 1, leap})));
        const double moon = kNewMoon2000 + std::round((first + 0.5 - kNewMoon2000) / kSynodicMonth) * kSynodicMonth;
        EXPECT_TRUE(moon > first - 0.7 && moon < first + 1.7) << Text(year, month, 1, leap);
      }
    }
  }
}

TEST(LunarTable, NewYearsAreTheirYearsMonthsApart) {
  for (int year = kFirstLunarYear; year < kLastLunarYear; ++year) {
    int leapMonths = 0;
    long long length = 0;
    for (int month = 1; month <= 12; ++month) {
      length += MonthLength(year, month);
      if (HasLeapMonth(year, month)) {
        ++leapMonths;
        length += MonthLength(year, month, true);
      }
    }
    ASSERT_LE(leapMonths, 1) << year;
    EXPECT_TRUE(length >= 353 + 30 * leapMonths && length <= 355 + 30 * leapMonths) << year << ": " << length;
    EXPECT_EQ(Days(SolarDate({year + 1, 1, 1})) - Days(SolarDate({year, 1, 1})), length) << year;
  }
}

// --- Leap months ----------------------------------------------------------------------------

TEST(LunarLeapMonth, FollowsTheMonthOfItsNumber) {
  EXPECT_EQ(LunarOf({1900, 9, 23}), "1900-8-30");
  EXPECT_EQ(LunarOf({1900, 9, 24}), "1900-8-1 leap");
  EXPECT_EQ(LunarOf({1900, 10, 22}), "1900-8-29 leap");  // a leap month of 29 days
  EXPECT_EQ(LunarOf({1900, 10, 23}), "1900-9-1");
  EXPECT_EQ(SolarOf({1900, 8, 1, true}), "1900-9-24");
  EXPECT_EQ(SolarOf({1900, 9, 1}), "1900-10-23");
  EXPECT_EQ(SolarOf({1900, 8, 30, true}), "rejected");
}

TEST(LunarLeapMonth, OnlyTheYearsOwnLeapMonthConverts) {
  const CivilDate leap = SolarDate({2009, 5, 1, true});
  EXPECT_EQ(Days(leap) - Days(SolarDate({2009, 5, 1})), MonthLength(2009, 5));
  EXPECT_EQ(LunarOf(leap), "2009-5-1 leap");
  EXPECT_EQ(SolarOf({2009, 4, 1, true}), "rejected");
  EXPECT_EQ(SolarOf({2009, 6, 1, true}), "rejected");
  EXPECT_EQ(SolarOf({2027, 1, 1, true}), "rejected");  // a year without a leap month
}

// --- The hour -------------------------------------------------------------------------------

TEST(LunarHour, From23TheLunarDayIsTheNextOnes) {
  EXPECT_EQ(LunarOf({2027, 2, 6}, 23), "2027-1-1");
  EXPECT_EQ(LunarOf({2027, 2, 6}, 22), Text(2026, 12, MonthLength(2026, 12)));
  EXPECT_EQ(LunarOf({2027, 2, 7}, 12), "2027-1-1");
  EXPECT_EQ(LunarOf({1900, 9, 23}, 23), "1900-8-1 leap");
  EXPECT_EQ(SolarOf({2027, 1, 1}, 23), "2027-2-6");
  EXPECT_EQ(SolarOf({2027, 1, 1}, 12), "2027-2-7");
}

// --- The ends of the table ------------------------------------------------------------------

TEST(LunarRange, TheLastDayIsThatOfLunar2049) {
  EXPECT_EQ(LunarOf({2050, 1, 22}), "2049-12-29");
  EXPECT_EQ(SolarOf({2049, 12, 29}), "2050-1-22");
  EXPECT_EQ(SolarOf({2049, 12, 30}), "rejected");
  EXPECT_EQ(LunarOf({2050, 1, 23}), "rejected");
  EXPECT_EQ(LunarOf({2050, 1, 22}, 23), "rejected");
  EXPECT_EQ(SolarOf({2049, 12, 29}, 23), "2050-1-21");
}

TEST(LunarRange, TheDayBeforeTheFirstCountsOnlyFrom23) {
  EXPECT_EQ(LunarOf({1900, 1, 30}), "rejected");
  EXPECT_EQ(LunarOf({1900, 1, 30}, 22), "rejected");
  EXPECT_EQ(LunarOf({1900, 1, 30}, 23), "1900-1-1");
  EXPECT_EQ(LunarOf({1900, 1, 29}, 23), "rejected");
  EXPECT_EQ(SolarOf({1900, 1, 1}, 23), "1900-1-30");
}

TEST(LunarRange, SolarDatesOutsideTheTableOrTheCalendarAreRejected) {
  for (const CivilDate d : {CivilDate{1899, 12, 31}, CivilDate{1900, 1, 1}, CivilDate{2051, 1, 1}, CivilDate{1000, 6, 1},
                            CivilDate{-5, 6, 1}, CivilDate{INT_MAX, 12, 31}, CivilDate{INT_MIN, 1, 1},
                            CivilDate{2027, 0, 1}, CivilDate{2027, 13, 1}, CivilDate{2027, 1, 0}, CivilDate{2027, 1, 32},
                            CivilDate{2027, 4, 31}, CivilDate{2027, 2, 29}, CivilDate{1900, 2, 29},
                            CivilDate{2000, 2, 30}}) {
    EXPECT_EQ(LunarOf(d), "rejected") << Text(d);
  }
  EXPECT_NE(LunarOf({2000, 2, 29}), "rejected");
}

TEST(LunarRange, LunarDatesThatDoNotExistAreRejected) {
  int shortMonth = 1;
  while (MonthLength(2027, shortMonth) == 30) ++shortMonth;
  for (const Lunar d : {Lunar{1899, 12, 1}, Lunar{2050, 1, 1}, Lunar{INT_MIN, 1, 1}, Lunar{2027, 0, 1},
                        Lunar{2027, 13, 1}, Lunar{2009, 13, 1}, Lunar{2009, 13, 1, true}, Lunar{2027, 1, 0},
                        Lunar{2027, 1, -3}, Lunar{2027, 1, 31}, Lunar{2027, shortMonth, 30}}) {
    EXPECT_EQ(SolarOf(d), "rejected") << Text(d);
  }
  EXPECT_NE(SolarOf({2027, shortMonth, 29}), "rejected");
}

TEST(LunarRange, AResultIsWholeAfterARejection) {
  LunarDate r;
  ASSERT_FALSE(SolarToLunar(2050, 1, 23, 0, r));
  r.leap = true;
  ASSERT_TRUE(SolarToLunar(2027, 2, 7, 0, r));
  EXPECT_TRUE(r.valid);
  EXPECT_FALSE(r.leap);
}

// --- Day numbers ----------------------------------------------------------------------------

TEST(DayNumber, CountsFrom1201AndIsZeroForWhatItCannotNumber) {
  EXPECT_EQ(DayNumber(1201, 1, 1), 0);
  EXPECT_EQ(DayNumber(1201, 1, 2), 1);
  EXPECT_EQ(DayNumber(1202, 1, 1), 365);
  for (const CivilDate d : {CivilDate{1200, 12, 31}, CivilDate{-1, 5, 5}, CivilDate{2027, 1, 32}, CivilDate{2027, 2, 29},
                            CivilDate{1900, 2, 29}, CivilDate{2027, 13, 1}, CivilDate{2027, 0, 1}, CivilDate{2027, 1, 0},
                            CivilDate{INT_MAX, 12, 31}}) {
    EXPECT_EQ(DayNumber(d.year, d.month, d.day), 0) << Text(d);
  }
  // Differences are those of the Gregorian calendar, leap days included.
  for (const CivilDate d : {CivilDate{1299, 12, 31}, CivilDate{1600, 2, 29}, CivilDate{1600, 3, 1},
                            CivilDate{1900, 3, 1}, CivilDate{2000, 3, 1}, CivilDate{2050, 1, 22},
                            CivilDate{9999, 12, 31}}) {
    EXPECT_EQ(DayNumber(d.year, d.month, d.day), Days(d) - Days({1201, 1, 1})) << Text(d);
  }
}

// --- Every day of the table -----------------------------------------------------------------

TEST(LunarWholeTable, EveryDayConvertsBackAndFollowsTheDayBefore) {
  const long long first = Days({1900, 1, 31});
  LunarDate before;
  int newYears = 0;
  for (long long n = first; n <= Days({2050, 1, 22}); ++n) {
    const CivilDate solar = DateFromDaysSinceEpoch(n);
    LunarDate lunar;
    ASSERT_TRUE(SolarToLunar(solar.year, solar.month, solar.day, 0, lunar)) << Text(solar);
    ASSERT_EQ(SolarOf({lunar.year, lunar.month, lunar.day, lunar.leap}), Text(solar));
    if (n == first) {
      before = lunar;
      continue;
    }
    const bool sameYear = lunar.year == before.year;
    if (sameYear && lunar.month == before.month && lunar.leap == before.leap) {
      ASSERT_EQ(lunar.day, before.day + 1) << Text(solar);
    } else {
      ASSERT_EQ(lunar.day, 1) << Text(solar);
      ASSERT_TRUE(before.day == 29 || before.day == 30) << Text(solar);
      const bool leapAfterItsMonth = sameYear && lunar.month == before.month && lunar.leap && !before.leap;
      const bool nextMonth = sameYear && lunar.month == before.month + 1 && !lunar.leap;
      const bool newYear = lunar.year == before.year + 1 && lunar.month == 1 && !lunar.leap && before.month == 12;
      ASSERT_TRUE(leapAfterItsMonth || nextMonth || newYear) << Text(solar);
      newYears += newYear;
    }
    before = lunar;
  }
  EXPECT_EQ(newYears, kLastLunarYear - kFirstLunarYear);
  EXPECT_EQ(before.year, kLastLunarYear);
}

}  // namespace
}  // namespace quillet
