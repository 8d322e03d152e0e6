#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The reader takes files from anywhere, so it bounds what a file may cost.
constexpr std::size_t kJsonMaxBytes = 16u << 20;
constexpr std::size_t kJsonMaxDepth = 64;       // arrays and objects inside one another
constexpr std::size_t kJsonMaxValues = 1u << 20;

enum class JsonKind { Null, Boolean, Number, String, Array, Object };

struct JsonMember;

struct JsonValue {
  JsonKind kind = JsonKind::Null;
  bool boolean = false;
  // A string's characters in UTF-8, or a number's literal as written, so that callers convert
  // it exactly and decide which numbers they take.
  std::string text;
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;  // in the order written, repeated names kept
  std::size_t offset = 0;           // where the value starts in the text
};

struct JsonMember {
  std::string name;
  std::size_t offset = 0;  // where the name starts
  JsonValue value;
};

struct JsonDocument {
  JsonValue root;
  std::string error;  // "line L, column C: what", or empty when the text is sound
};

// RFC 8259 JSON in UTF-8, a leading byte-order mark allowed.
JsonDocument ParseJson(std::string_view text);

// "line L, column C" of a byte offset, columns counted in characters.
std::string JsonPosition(std::string_view text, std::size_t offset);

}  // namespace quillet
