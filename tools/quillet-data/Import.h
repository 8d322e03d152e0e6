#pragma once

#include <string>
#include <string_view>

namespace quillet {

class TextCodec;

struct ImportResult {
  std::string bytes;  // the file to write
  std::string error;  // what is wrong with the JSON, with its place; nothing is to be written then
};

// The inverse of dump for memo lists and alarm files. The kind follows the records' fields; when
// none tells (no records, or only fields both kinds have), the name of the file to be written
// does: an alarm file is "*.qla", "alarmlist160" or "alarmlist", anything else a memo list.
ImportResult ImportDataFile(std::string_view json, std::string_view outName, const TextCodec& codec);

}  // namespace quillet
