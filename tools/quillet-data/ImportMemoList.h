#pragma once

#include <string>
#include <string_view>

namespace quillet {

class TextCodec;
struct JsonValue;

// The inverse of DumpMemoList: its JSON, text in UTF-8, back to a memo list file. A field left
// out takes the value of a new memo under the default settings; unknown or repeated fields,
// numbers the record cannot hold and text CP949 cannot hold are errors (ImportError).
std::string MemoListFromJson(const JsonValue& list, const TextCodec& codec);

// Whether the records DumpMemoList prints have a field of this name.
bool IsMemoRecordField(std::string_view name);

}  // namespace quillet
