#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <string_view>

#include "JsonReader.h"

namespace quillet {

class TextCodec;

// What the imports of every kind of file share: errors that keep their place in the JSON, and
// the checked reading of numbers, text and objects.

struct ImportError {
  std::size_t offset;
  std::string what;
};

[[noreturn]] void Fail(const JsonValue& at, const std::string& where, const std::string& what);

// A whole number between `low` and `high`.
long long IntegerIn(const JsonValue& value, const std::string& where, long long low, long long high);

template <class Int>
Int Integer(const JsonValue& value, const std::string& where) {
  return static_cast<Int>(IntegerIn(value, where, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
}

// A string converted to CP949; a character CP949 cannot hold is an error naming it.
std::string Cp949Text(const JsonValue& value, const std::string& where, const TextCodec& codec);

// Hands each member to `read(name, value, field)`, which answers false for a name it does not
// know; `field` is `prefix` and the name, for messages. Repeated names are errors.
template <class Read>
void ForEachMember(const JsonValue& object, const std::string& where, const std::string& prefix, Read read) {
  if (object.kind != JsonKind::Object) Fail(object, where, "must be an object");
  std::set<std::string_view> seen;
  for (const JsonMember& member : object.members) {
    const std::string field = prefix + member.name;
    if (!seen.insert(member.name).second) throw ImportError{member.offset, field + ": appears twice"};
    if (!read(member.name, member.value, field)) {
      throw ImportError{member.offset, where + ": unknown field \"" + member.name + "\""};
    }
  }
}

// Sets the member of `owner` that `name` names in `fields` (pairs of a name and a pointer to
// member) to `convert()`; false when none does.
template <class Fields, class Owner, class Convert>
bool SetNamed(std::string_view name, const Fields& fields, Owner& owner, Convert convert) {
  for (const auto& [fieldName, member] : fields) {
    if (name != fieldName) continue;
    owner.*member = convert();
    return true;
  }
  return false;
}

template <class Fields>
bool HasName(const Fields& fields, std::string_view name) {
  for (const auto& field : fields) {
    if (field.first == name) return true;
  }
  return false;
}

}  // namespace quillet
