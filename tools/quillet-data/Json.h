#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

class TextCodec;

// A JSON string literal of CP949 text, converted to UTF-8.
std::string JsonString(std::string_view cp949, const TextCodec& codec);

// A JSON array with one element a line, each made by `toJson`.
template <class Record, class ToJson>
std::string JsonArray(const std::vector<Record>& records, ToJson toJson) {
  std::string json = "[";
  for (std::size_t i = 0; i < records.size(); ++i) json += (i ? ",\n  " : "\n  ") + toJson(records[i]);
  return json + (records.empty() ? "]\n" : "\n]\n");
}

}  // namespace quillet
