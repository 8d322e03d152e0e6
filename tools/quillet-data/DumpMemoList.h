#pragma once

#include <string>
#include <string_view>

namespace quillet {

class TextCodec;

struct DumpResult {
  std::string json;   // a JSON array, one object per complete record
  std::string error;  // what is wrong with the file; empty when it is sound
};

// A memo list file (".qld", "RecycleBin.qlr", "memolist160", "memolist") as JSON, with the
// field names of the memo record and the text converted to UTF-8.
DumpResult DumpMemoList(std::string_view bytes, const TextCodec& codec);

}  // namespace quillet
