#include "ImportMemoList.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "JsonReader.h"
#include "Unicode.h"
#include "memo/MemoListFormat.h"
#include "ports/TextCodec.h"
#include "settings/Settings.h"

namespace quillet {

namespace {

struct ImportError {
  std::size_t offset;
  std::string what;
};

[[noreturn]] void Fail(const JsonValue& at, const std::string& where, const std::string& what) {
  throw ImportError{at.offset, where + ": " + what};
}

template <class Int>
Int Integer(const JsonValue& value, const std::string& where) {
  if (value.kind != JsonKind::Number) Fail(value, where, "must be a number");
  const char* const first = value.text.data();
  const char* const last = first + value.text.size();
  long long number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error == std::errc{} && end != last) Fail(value, where, "must be a whole number, without fraction or exponent");
  constexpr long long low = std::numeric_limits<Int>::min();
  constexpr long long high = std::numeric_limits<Int>::max();
  if (error != std::errc{} || number < low || number > high) {
    Fail(value, where, "must lie between " + std::to_string(low) + " and " + std::to_string(high));
  }
  return static_cast<Int>(number);
}

// Character by character, so that the one CP949 cannot hold is named; the round trip also
// catches a converter's best-fit stand-ins, which would change the text silently.
std::string Cp949Text(const JsonValue& value, const std::string& where, const TextCodec& codec) {
  if (value.kind != JsonKind::String) Fail(value, where, "must be a string");
  const std::string& utf8 = value.text;
  std::string cp949;
  std::size_t position = 0;
  while (position < utf8.size()) {
    const std::size_t start = position;
    const char32_t c = *NextCodePoint(utf8, position);  // the reader let only UTF-8 through
    std::u16string units;
    AppendUtf16(units, c);
    const std::string converted = codec.Utf16ToCp949(units);
    const std::string_view character(utf8.data() + start, position - start);
    if (codec.Cp949ToUtf8(converted) != character) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
      Fail(value, where, "\"" + std::string(character) + "\" (" + code + ") has no CP949 form");
    }
    cp949 += converted;
  }
  return cp949;
}

// Hands each member to `read(name, value, field)`, which answers false for a name it does not
// know; `field` is `prefix` and the name, for messages.
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

template <class Owner, class Member>
using NamedFields = std::initializer_list<std::pair<std::string_view, Member Owner::*>>;

// Sets the field of `owner` that `name` names in `fields` to `convert()`; false when none does.
template <class Owner, class Member, class Convert>
bool SetNamed(const std::string& name, NamedFields<Owner, Member> fields, Owner& owner, Convert convert) {
  for (const auto& [fieldName, member] : fields) {
    if (name != fieldName) continue;
    owner.*member = convert();
    return true;
  }
  return false;
}

// An object of whole numbers, such as a rectangle's sides.
template <class Owner>
void IntParts(const JsonValue& object, const std::string& where, Owner& owner, NamedFields<Owner, int> parts) {
  ForEachMember(object, where, where + ".", [&](const std::string& name, const JsonValue& value, const auto& field) {
    return SetNamed(name, parts, owner, [&] { return Integer<std::int32_t>(value, field); });
  });
}

// What a field left out takes: a new memo's value under the default settings.
MemoRecord DefaultRecord() {
  GeneralSettings settings;
  settings.backgroundColor = FixedMemoValues::kNewMemoBackgroundColor;
  settings.titleFont = kDefaultTitleFont;
  return NewMemoRecord(settings);
}

MemoRecord Record(const JsonValue& object, const std::string& where, const TextCodec& codec) {
  using M = MemoRecord;
  MemoRecord r = DefaultRecord();
  ForEachMember(object, where, where + ", ", [&](const std::string& name, const JsonValue& value, const auto& field) {
    if (name == "version") {
      // Every record is written with the current version, so no other would come back.
      if (Integer<std::int32_t>(value, field) != kMemoRecordVersion) {
        Fail(value, field, "must be " + std::to_string(kMemoRecordVersion));
      }
      return true;
    }
    if (name == "windowRect") {
      IntParts<Rect>(value, field, r.windowRect, {{"left", &Rect::left}, {"top", &Rect::top}, {"right", &Rect::right},
                                                  {"bottom", &Rect::bottom}});
      return true;
    }
    if (name == "expandedSize") {
      IntParts<Size>(value, field, r.expandedSize, {{"width", &Size::width}, {"height", &Size::height}});
      return true;
    }
    return SetNamed<M, std::int32_t>(name,
                                     {{"formatBarShown", &M::formatBarShown}, {"colorType", &M::colorType},
                                      {"expanded", &M::expanded}, {"zPosition", &M::zPosition},
                                      {"scrollLine", &M::scrollLine}, {"reserved", &M::reserved}},
                                     r, [&] { return Integer<std::int32_t>(value, field); }) ||
           SetNamed<M, std::uint32_t>(name, {{"backColor", &M::backColor}, {"paletteColor", &M::paletteColor}}, r,
                                      [&] { return Integer<std::uint32_t>(value, field); }) ||
           SetNamed<M, std::string>(name,
                                    {{"contentFile", &M::contentFile}, {"title", &M::title},
                                     {"editTime", &M::editTime}, {"titleFont", &M::titleFont}},
                                    r, [&] { return Cp949Text(value, field, codec); });
  });
  return r;
}

}  // namespace

ImportResult ImportMemoList(std::string_view json, const TextCodec& codec) {
  ImportResult result;
  const JsonDocument document = ParseJson(json);
  if (!document.error.empty()) {
    result.error = document.error;
    return result;
  }
  try {
    const JsonValue& list = document.root;
    if (list.kind != JsonKind::Array) throw ImportError{list.offset, "a memo list must be an array of records"};
    std::vector<MemoRecord> records;
    for (std::size_t i = 0; i < list.items.size(); ++i) {
      records.push_back(Record(list.items[i], "record " + std::to_string(i + 1), codec));
    }
    result.bytes = SerializeMemoList(records);
  } catch (const ImportError& error) {
    result.error = JsonPosition(json, error.offset) + ": " + error.what;
  }
  return result;
}

}  // namespace quillet
