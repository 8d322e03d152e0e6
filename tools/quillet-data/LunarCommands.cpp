#include "LunarCommands.h"

#include <cstdio>
#include <string_view>

#include "lunar/LunarCalendar.h"
#include "time/Gregorian.h"

namespace quillet {

const char* const kLunarCommandsUsage =
    "  lunar YYYY-MM-DD [HH]         the lunar date of a solar date (from 23:00, of the next day)\n"
    "  solar YYYY-MM-DD [leap] [HH]  the solar date of a lunar date; leap: in the leap month\n";

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// minDigits…maxDigits digits and nothing else.
bool ParseNumber(std::string_view text, std::size_t minDigits, std::size_t maxDigits, int& value) {
  if (text.size() < minDigits || text.size() > maxDigits) return false;
  value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// YYYY-M-D with one or two digits for the month and the day; ranges are the calendar's business.
bool ParseDate(std::string_view text, CivilDate& date) {
  const std::size_t first = text.find('-');
  const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos) return false;
  return ParseNumber(text.substr(0, first), 4, 4, date.year) &&
         ParseNumber(text.substr(first + 1, second - first - 1), 1, 2, date.month) &&
         ParseNumber(text.substr(second + 1), 1, 2, date.day);
}

bool ParseHour(std::string_view text, int& hour) { return ParseNumber(text, 1, 2, hour) && hour <= 23; }

std::string DateText(int year, int month, int day) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

LunarCommandOutput Done(const LunarDate& date) { return {0, LunarDateJson(date), ""}; }

LunarCommandOutput Rejected(const char* command, const std::string& why) {
  return {1, "", std::string("quillet-data ") + command + ": " + why + "\n"};
}

// The tool prints its usage text after this.
LunarCommandOutput BadArguments(const char* command, const std::string& why) {
  return {2, "", std::string("quillet-data ") + command + ": " + why + "\n"};
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string LunarDateJson(const LunarDate& d) {
  const auto n = [](int value) { return std::to_string(value); };
  const auto b = [](bool value) { return std::string(value ? "true" : "false"); };
  return "{\"year\": " + n(d.year) + ", \"month\": " + n(d.month) + ", \"day\": " + n(d.day) + ", \"hour\": " +
         n(d.hour) + ", \"weekday\": " + n(d.weekday) + ", \"leap\": " + b(d.leap) + ", \"valid\": " +
         b(d.valid) + "}\n";
}

LunarCommandOutput SolarToLunarCommand(const std::vector<std::string>& arguments) {
  static constexpr const char* kCommand = "lunar";
  if (arguments.empty() || arguments.size() > 2) return BadArguments(kCommand, "expected a date and an optional hour");
  CivilDate date;
  if (!ParseDate(arguments[0], date)) {
    return BadArguments(kCommand, "not a date of the form YYYY-MM-DD: " + Quoted(arguments[0]));
  }
  int hour = 0;
  if (arguments.size() == 2 && !ParseHour(arguments[1], hour)) {
    return BadArguments(kCommand, "not an hour from 0 to 23: " + Quoted(arguments[1]));
  }

  LunarDate result;
  if (SolarToLunar(date.year, date.month, date.day, hour, result)) return Done(result);
  const std::string text = DateText(date.year, date.month, date.day);
  if (!IsValidDate(date)) return Rejected(kCommand, "there is no solar date " + text);
  return Rejected(kCommand, text + (hour == 23 ? " 23:00" : "") +
                                " is outside the lunar table (1900-01-31 to 2050-01-22; from 23:00 a day counts "
                                "as the next)");
}

LunarCommandOutput LunarToSolarCommand(const std::vector<std::string>& arguments) {
  static constexpr const char* kCommand = "solar";
  if (arguments.empty() || arguments.size() > 3) {
    return BadArguments(kCommand, "expected a lunar date, an optional \"leap\" and an optional hour");
  }
  CivilDate date;
  if (!ParseDate(arguments[0], date)) {
    return BadArguments(kCommand, "not a date of the form YYYY-MM-DD: " + Quoted(arguments[0]));
  }
  std::size_t next = 1;
  const bool leap = next < arguments.size() && arguments[next] == "leap";
  if (leap) ++next;
  int hour = 0;
  if (next < arguments.size() && !ParseHour(arguments[next++], hour)) {
    return BadArguments(kCommand, "not \"leap\" or an hour from 0 to 23: " + Quoted(arguments[next - 1]));
  }
  if (next < arguments.size()) return BadArguments(kCommand, "too many arguments");

  LunarDate result;
  if (LunarToSolar(date.year, date.month, date.day, hour, leap, result)) return Done(result);
  const std::string year = std::to_string(date.year);
  const std::string month = std::to_string(date.month);
  if (date.year < kFirstLunarYear || date.year > kLastLunarYear) {
    return Rejected(kCommand, "lunar year " + year + " is outside the table (1900 to 2049)");
  }
  if (date.month < 1 || date.month > 12) return Rejected(kCommand, "there is no lunar month " + month);
  LunarDate probe;
  if (leap && !LunarToSolar(date.year, date.month, 1, 0, true, probe)) {
    return Rejected(kCommand, "lunar year " + year + " has no leap month " + month);
  }
  const int length = LunarToSolar(date.year, date.month, 30, 0, leap, probe) ? 30 : 29;
  return Rejected(kCommand, "there is no lunar " + DateText(date.year, date.month, date.day) + (leap ? " leap" : "") +
                                ": that month has " + std::to_string(length) + " days");
}

}  // namespace quillet
