#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

class TextCodec;

// The year `quillet-data holidays` was given: decimal digits only, within the lunar table's
// years 1900–2049.
std::optional<int> ParseHolidayYear(std::string_view text);

// The public holidays of `year`, one JSON object a line in date order, names in UTF-8:
// {"date": "2027-02-06", "name": "설날", "substitute": false}
std::string HolidaysJson(int year, const TextCodec& codec);

}  // namespace quillet
