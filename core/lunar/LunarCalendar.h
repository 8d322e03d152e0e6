#pragma once

namespace quillet {

// A Korean lunisolar date, or the solar date a lunar one converts to.
struct LunarDate {
  int year = 0;
  int month = 0;     // 1–12
  int day = 0;       // 1–30 (1–31 in a solar result)
  int hour = 0;      // as passed in
  int weekday = 0;   // 0 = Sunday; set by LunarToSolar only
  bool leap = false; // the leap month after the month of the same number; set by SolarToLunar only
  bool valid = true; // cleared when the date lies outside the table
};

constexpr int kFirstLunarYear = 1900;
constexpr int kLastLunarYear = 2049;

// Solar 1900-01-31 … 2050-01-22. From 23:00 a day counts as the next one.
bool SolarToLunar(int year, int month, int day, int hour, LunarDate& result);
// Lunar years 1900–2049; false for a date that does not exist.
bool LunarToSolar(int year, int month, int day, int hour, bool leap, LunarDate& result);
// Days from 1201-01-01, for differences only; 0 before 1201 and for a day beyond its month.
int DayNumber(int year, int month, int day);

}  // namespace quillet
