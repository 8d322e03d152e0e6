#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/LocalTime.h"

namespace quillet {

// "YYYY-MM-DD HH:MM:SS", the form of the test hooks' moments. Nothing for anything else: other
// lengths, separators or signs, dates that do not exist, years before 1601 (Windows' earliest).
std::optional<LocalTime> ParseTestMoment(std::string_view text);
std::string FormatTestMoment(const LocalTime& at);

// Wall-clock seconds since 1970-01-01 00:00 of the same zone, and back (weekday filled in,
// milliseconds 0), so a local moment can be moved by a number of seconds.
std::int64_t LocalSeconds(const LocalTime& at);
LocalTime LocalTimeAt(std::int64_t localSeconds);

}  // namespace quillet
