#pragma once

#include <string_view>

#include "DumpMemoList.h"

namespace quillet {

class TextCodec;

// Whether a file named on the command line is the calendar's anniversary file: its name is
// "DayInfo.dat" in any letter case.
bool IsDayInfoFileName(std::string_view path);

// "DayInfo.dat" as JSON, one object per record with every field and the name in UTF-8. The
// error lists the lines that are not records (a rewrite by the program would drop them).
DumpResult DumpDayInfo(std::string_view bytes, const TextCodec& codec);

}  // namespace quillet
