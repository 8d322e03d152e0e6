#include "time/TestMoment.h"

#include <cstdio>

#include "time/Gregorian.h"
#include "time/TimeFormat.h"

namespace quillet {

namespace {

constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";

// The digits at [from, from + count); the pattern has been checked.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

}  // namespace

std::optional<LocalTime> ParseTestMoment(std::string_view text) {
  if (text.size() != kPattern.size()) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return std::nullopt;
  }
  LocalTime at;
  at.year = Digits(text, 0, 4);
  at.month = Digits(text, 5, 2);
  at.day = Digits(text, 8, 2);
  at.hour = Digits(text, 11, 2);
  at.minute = Digits(text, 14, 2);
  at.second = Digits(text, 17, 2);
  const CivilDate date{at.year, at.month, at.day};
  if (at.year < 1601 || !IsValidDate(date) || at.hour > 23 || at.minute > 59 || at.second > 59) return std::nullopt;
  at.weekday = WeekdayOf(date);
  return at;
}

std::string FormatTestMoment(const LocalTime& at) {
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", at.year, at.month, at.day, at.hour, at.minute,
                at.second);
  return text;
}

std::int64_t LocalSeconds(const LocalTime& at) {
  const long long days = DaysSinceEpoch(CivilDate{at.year, at.month, at.day});
  return days * 86400 + at.hour * 3600LL + at.minute * 60LL + at.second;
}

LocalTime LocalTimeAt(std::int64_t localSeconds) {
  // The arithmetic is the same as UTC's: local seconds simply know no zone.
  const BrokenDownTime t = BreakDownUtc(localSeconds);
  return LocalTime{t.year, t.month, t.day, t.hour, t.minute, t.second, 0, t.weekday};
}

}  // namespace quillet
