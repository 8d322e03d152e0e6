#pragma once

#include <string>

namespace quillet {

// One anniversary or special day of the calendar's list. The year is not kept: it recurs.
struct DayInfoRecord {
  int month = 1;  // 1–12; the lunar month when `lunar`
  int day = 1;    // 1–31; the lunar day when `lunar`
  // One number serves twice: the mark drawn on the day (1–11, frame image − 1 of the mark
  // strip) and the category (0 = none, n = category n − 1 of the eleven "SpecialDay_" names).
  int image = 0;
  std::string name;     // CP949
  bool lunar = false;
  bool holiday = false;  // drawn with the Sunday digits
  bool leap = false;     // the leap month of that number; meaningful only when `lunar`
  int identifier = 0;    // assigned on load, for the dialogs to find the entry again

  friend bool operator==(const DayInfoRecord& a, const DayInfoRecord& b) {
    return a.month == b.month && a.day == b.day && a.image == b.image && a.name == b.name && a.lunar == b.lunar &&
           a.holiday == b.holiday && a.leap == b.leap && a.identifier == b.identifier;
  }
  friend bool operator!=(const DayInfoRecord& a, const DayInfoRecord& b) { return !(a == b); }
};

constexpr int kAnniversaryMarkCount = 11;  // marks 1–11

}  // namespace quillet
