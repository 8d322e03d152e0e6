#include "Holidays.h"

#include <cstdio>

#include "Json.h"
#include "calendar/PublicHolidays.h"
#include "lunar/LunarCalendar.h"

namespace quillet {

std::optional<int> ParseHolidayYear(std::string_view text) {
  // Four digits at most, so the number cannot overflow.
  if (text.empty() || text.size() > 4) return std::nullopt;
  int year = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    year = year * 10 + (c - '0');
  }
  if (year < kFirstLunarYear || year > kLastLunarYear) return std::nullopt;
  return year;
}

std::string HolidaysJson(int year, const TextCodec& codec) {
  std::string json;
  for (const PublicHoliday& holiday : PublicHolidaysOf(year)) {
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", holiday.date.year, holiday.date.month, holiday.date.day);
    json += std::string("{\"date\": \"") + date + "\", \"name\": " + JsonString(holiday.name, codec) +
            ", \"substitute\": " + (holiday.substitute ? "true" : "false") + "}\n";
  }
  return json;
}

}  // namespace quillet
