#pragma once

#include <string>
#include <string_view>

namespace quillet {

class TextCodec;

struct ImportResult {
  std::string bytes;  // the memo list file
  std::string error;  // what is wrong with the JSON, with its place; nothing is to be written then
};

// The inverse of DumpMemoList: its JSON, text in UTF-8, back to a memo list file. A field left
// out takes the value of a new memo under the default settings; unknown or repeated fields,
// numbers the record cannot hold and text CP949 cannot hold are errors.
ImportResult ImportMemoList(std::string_view json, const TextCodec& codec);

}  // namespace quillet
