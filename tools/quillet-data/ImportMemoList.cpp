#include "ImportMemoList.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ImportFields.h"
#include "memo/MemoListFormat.h"
#include "ports/TextCodec.h"
#include "settings/Settings.h"

namespace quillet {

namespace {

using M = MemoRecord;

constexpr std::pair<std::string_view, std::int32_t M::*> kNumbers[] = {
    {"formatBarShown", &M::formatBarShown}, {"colorType", &M::colorType},   {"expanded", &M::expanded},
    {"zPosition", &M::zPosition},           {"scrollLine", &M::scrollLine}, {"reserved", &M::reserved}};
constexpr std::pair<std::string_view, std::uint32_t M::*> kColors[] = {{"backColor", &M::backColor},
                                                                        {"paletteColor", &M::paletteColor}};
constexpr std::pair<std::string_view, std::string M::*> kTexts[] = {
    {"contentFile", &M::contentFile}, {"title", &M::title}, {"editTime", &M::editTime}, {"titleFont", &M::titleFont}};
constexpr std::pair<std::string_view, int Rect::*> kRectParts[] = {
    {"left", &Rect::left}, {"top", &Rect::top}, {"right", &Rect::right}, {"bottom", &Rect::bottom}};
constexpr std::pair<std::string_view, int Size::*> kSizeParts[] = {{"width", &Size::width}, {"height", &Size::height}};

// An object of whole numbers, such as a rectangle's sides.
template <class Owner, class Parts>
void IntParts(const JsonValue& object, const std::string& where, Owner& owner, const Parts& parts) {
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
      IntParts(value, field, r.windowRect, kRectParts);
      return true;
    }
    if (name == "expandedSize") {
      IntParts(value, field, r.expandedSize, kSizeParts);
      return true;
    }
    return SetNamed(name, kNumbers, r, [&] { return Integer<std::int32_t>(value, field); }) ||
           SetNamed(name, kColors, r, [&] { return Integer<std::uint32_t>(value, field); }) ||
           SetNamed(name, kTexts, r, [&] { return Cp949Text(value, field, codec); });
  });
  return r;
}

}  // namespace

std::string MemoListFromJson(const JsonValue& list, const TextCodec& codec) {
  if (list.kind != JsonKind::Array) throw ImportError{list.offset, "a memo list must be an array of records"};
  std::vector<MemoRecord> records;
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    records.push_back(Record(list.items[i], "record " + std::to_string(i + 1), codec));
  }
  return SerializeMemoList(records);
}

bool IsMemoRecordField(std::string_view name) {
  return name == "version" || name == "windowRect" || name == "expandedSize" || HasName(kNumbers, name) ||
         HasName(kColors, name) || HasName(kTexts, name);
}

}  // namespace quillet
