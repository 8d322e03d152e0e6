#include "lunar/LunarCalendar.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "time/Gregorian.h"

namespace quillet {

namespace {

constexpr int kYears = kLastLunarYear - kFirstLunarYear + 1;

// One entry a lunar year from 1900: bits 0–3 the leap month (0 = none, else it follows that
// month), bit 16 − m month m's length and bit 16 the leap month's (1 = 30 days, 0 = 29).
constexpr std::array<std::uint32_t, kYears> kYearBits = {
    0x04BD8, 0x04AE0, 0x0A570, 0x054D5, 0x0D260, 0x0D950, 0x16554, 0x056A0, 0x09AD0, 0x055D2,  // 1900
    0x04AE0, 0x0A5B6, 0x0A4D0, 0x0D250, 0x0DA95, 0x0B550, 0x056A0, 0x0ADA2, 0x095D0, 0x04BB7,  // 1910
    0x049B0, 0x0A4B0, 0x0B4B5, 0x06A90, 0x0AD40, 0x0BB54, 0x02B60, 0x095B0, 0x05372, 0x04970,  // 1920
    0x06566, 0x0E4A0, 0x0EA50, 0x16A95, 0x05B50, 0x02B60, 0x18AE3, 0x092E0, 0x1C8D7, 0x0C950,  // 1930
    0x0D4A0, 0x1D8A6, 0x0B690, 0x056D0, 0x125B4, 0x025D0, 0x092D0, 0x0D2B2, 0x0A950, 0x0D557,  // 1940
    0x0B4A0, 0x0B550, 0x15555, 0x04DB0, 0x025B0, 0x18573, 0x052B0, 0x0A9B8, 0x06950, 0x06AA0,  // 1950
    0x0AEA6, 0x0AB50, 0x04B60, 0x0AAE4, 0x0A570, 0x05270, 0x07263, 0x0D950, 0x06B57, 0x056A0,  // 1960
    0x09AD0, 0x04DD5, 0x04AE0, 0x0A4E0, 0x0D4D4, 0x0D250, 0x0D598, 0x0B540, 0x0D6A0, 0x195A6,  // 1970
    0x095B0, 0x049B0, 0x0A9B4, 0x0A4B0, 0x0B27A, 0x06A50, 0x06D40, 0x0B756, 0x02B60, 0x095B0,  // 1980
    0x04B75, 0x04970, 0x064B0, 0x074A3, 0x0EA50, 0x06D98, 0x05AD0, 0x02B60, 0x096E5, 0x092E0,  // 1990
    0x0C960, 0x0E954, 0x0D4A0, 0x0DA50, 0x07552, 0x056C0, 0x0ABB7, 0x025D0, 0x092D0, 0x0CAB5,  // 2000
    0x0A950, 0x0B4A0, 0x1B4A3, 0x0B550, 0x055D9, 0x04BA0, 0x0A5B0, 0x05575, 0x052B0, 0x0A950,  // 2010
    0x0B954, 0x06AA0, 0x0AD50, 0x06B52, 0x04B60, 0x0A6E6, 0x0A570, 0x05270, 0x06A65, 0x0D930,  // 2020
    0x05AA0, 0x0B6A3, 0x096D0, 0x04AFB, 0x04AE0, 0x0A4D0, 0x1D0D6, 0x0D250, 0x0D520, 0x0DD45,  // 2030
    0x0B6A0, 0x096D0, 0x055B2, 0x049B0, 0x0A577, 0x0A4B0, 0x0B250, 0x1B255, 0x06D40, 0x0ADA0,  // 2040
};

struct LunarYear {
  int leapMonth = 0;                  // 0 = none
  std::array<int, 13> slotLengths{};  // months 1…L, the leap month, L+1…12; 0 after the last
  int firstDay = 0;                   // days from 1900-01-31 to this year's 1/1
};

struct LunarTable {
  std::array<LunarYear, kYears> years{};
  int totalDays = 0;  // days from 1900-01-31 to the day after the table's last
};

constexpr LunarTable BuildTable() {
  LunarTable table{};
  int day = 0;
  for (int i = 0; i < kYears; ++i) {
    const std::uint32_t bits = kYearBits[i];
    LunarYear& year = table.years[i];
    year.leapMonth = static_cast<int>(bits & 0xF);
    year.firstDay = day;
    int slot = 0;
    for (int month = 1; month <= 12; ++month) {
      year.slotLengths[slot++] = (bits >> (16 - month)) & 1 ? 30 : 29;
      if (month == year.leapMonth) year.slotLengths[slot++] = (bits >> 16) & 1 ? 30 : 29;
    }
    for (int s = 0; s < slot; ++s) day += year.slotLengths[s];
  }
  table.totalDays = day;
  return table;
}

constexpr LunarTable kTable = BuildTable();

// Start days of the years, for the binary search of solar-to-lunar.
constexpr std::array<int, kYears> BuildFirstDays() {
  std::array<int, kYears> days{};
  for (int i = 0; i < kYears; ++i) days[i] = kTable.years[i].firstDay;
  return days;
}

constexpr std::array<int, kYears> kFirstDays = BuildFirstDays();

const CivilDate kBaseDate{1900, 1, 31};
constexpr int kBaseWeekday = 3;  // 1900-01-31 was a Wednesday

int BaseDayNumber() {
  static const int base = DayNumber(kBaseDate.year, kBaseDate.month, kBaseDate.day);
  return base;
}

}  // namespace

int DayNumber(int year, int month, int day) {
  if (year < 1201 || !IsValidDate(CivilDate{year, month, day})) return 0;
  const long long a = year - 1201;
  long long n = 365 * a + a / 4 - a / 100 + a / 400;
  for (int m = 1; m < month; ++m) n += DaysInMonth(year, m);
  n += day - 1;
  return n > INT_MAX ? 0 : static_cast<int>(n);
}

bool SolarToLunar(int year, int month, int day, int hour, LunarDate& result) {
  // DayNumber is 0 for a date that does not exist, which puts k far below the table.
  int k = DayNumber(year, month, day) - BaseDayNumber();
  if (hour == 23) ++k;  // from 23:00 the lunar day is the next one
  // The range is the lunar day's, so 1900-01-30 at 23:00 is lunar 1900-01-01.
  if (k < 0 || k >= kTable.totalDays) {
    result.valid = false;
    return false;
  }

  const int i = static_cast<int>(std::upper_bound(kFirstDays.begin(), kFirstDays.end(), k) - kFirstDays.begin()) - 1;
  const LunarYear& lunar = kTable.years[i];
  k -= lunar.firstDay;
  int slot = 0;  // 0-based; k below the year's length keeps it within the year's slots
  while (k >= lunar.slotLengths[slot]) k -= lunar.slotLengths[slot++];

  result = LunarDate{};
  result.year = kFirstLunarYear + i;
  const int L = lunar.leapMonth;
  result.leap = L != 0 && slot == L;
  result.month = L != 0 && slot >= L ? slot : slot + 1;
  result.day = k + 1;
  result.hour = hour;
  return true;
}

bool LunarToSolar(int year, int month, int day, int hour, bool leap, LunarDate& result) {
  if (year < kFirstLunarYear || year > kLastLunarYear || month < 1 || month > 12 || day < 1) return false;
  const LunarYear& lunar = kTable.years[year - kFirstLunarYear];
  const int L = lunar.leapMonth;
  if (leap && L != month) return false;
  int slot = month - 1;
  if (L != 0 && (L < month || leap)) ++slot;
  if (day > lunar.slotLengths[slot]) return false;

  int k = lunar.firstDay + day - 1;
  for (int s = 0; s < slot; ++s) k += lunar.slotLengths[s];
  if (hour == 23) --k;  // the lunar day began at 23:00 of the solar day before

  // k ≥ −1, so the weekday's remainder stays non-negative.
  const CivilDate solar = DateFromDaysSinceEpoch(DaysSinceEpoch(kBaseDate) + k);
  result = LunarDate{};
  result.year = solar.year;
  result.month = solar.month;
  result.day = solar.day;
  result.hour = hour;
  result.weekday = (k + kBaseWeekday) % 7;
  return true;
}

}  // namespace quillet
