#pragma once

#include <string>
#include <string_view>

#include "ports/LocalTime.h"

namespace quillet {

// A date/time macro of the editor's menu at `time`: "%a" "%A" "%y" "%Y" "%B" "%d" "%k" "%l" "%M"
// "%S" "%p" are replaced in that order, every occurrence, by Korean weekday names, two-digit
// numbers (four for "%Y"; "%l" is the hour modulo 12, so noon and midnight give "00") and
// "오전"/"오후". Everything else stays as written.
std::string ExpandMacro(std::string_view format, const LocalTime& time);

}  // namespace quillet
