#pragma once

#include <string>
#include <string_view>

namespace quillet {

class TextCodec;
struct JsonValue;

// The inverse of DumpAlarmFile: its JSON, text in UTF-8, back to an alarm file. A field left out
// takes a new schedule's value under the default settings; unknown or repeated fields, numbers
// the record cannot hold, advance warnings the program would drop, text CP949 cannot hold and
// more records than the program loads are errors (ImportError).
std::string AlarmFileFromJson(const JsonValue& list, const TextCodec& codec);

// Whether the records DumpAlarmFile prints have a field of this name.
bool IsAlarmRecordField(std::string_view name);

}  // namespace quillet
