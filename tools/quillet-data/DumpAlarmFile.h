#pragma once

#include <string_view>

#include "DumpMemoList.h"

namespace quillet {

class TextCodec;

// Whether the bytes start with the alarm file's signature.
bool LooksLikeAlarmFile(std::string_view bytes);

// An alarm file (".qla", "alarmlist160", "alarmlist") as JSON, one object per record with every
// stored field and its strings in UTF-8. Damage, and records beyond what the program loads, are
// named in the error.
DumpResult DumpAlarmFile(std::string_view bytes, const TextCodec& codec);

}  // namespace quillet
