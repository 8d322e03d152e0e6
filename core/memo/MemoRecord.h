#pragma once

#include <cstdint>
#include <string>

#include "geometry/Rect.h"

namespace quillet {

struct GeneralSettings;

constexpr std::int32_t kMemoRecordVersion = 150;

// One memo of a group, as its list file stores it.
struct MemoRecord {
  std::int32_t version = kMemoRecordVersion;
  std::int32_t formatBarShown = 0;
  Rect windowRect;
  std::int32_t colorType = 0;  // index into the palette
  std::uint32_t backColor = 0;  // COLORREF of the editor background
  std::uint32_t paletteColor = 0;  // COLORREF of title and frame
  std::int32_t expanded = 1;  // 0: folded to the title bar
  Size expandedSize;
  std::int32_t zPosition = 0;  // a ZPosition's number, kept as the list holds it
  std::string contentFile;  // file name in the data folder, no folder part
  std::int32_t scrollLine = 0;
  std::string title;
  std::string editTime;  // "%4d-%d-%d %02d:%02d"
  std::int32_t reserved = 0;
  std::string titleFont;  // "%d|%d|%d|%d|%d|%s"
};

// A record as a new memo starts it, from the current settings.
MemoRecord NewMemoRecord(const GeneralSettings& general);

bool operator==(const MemoRecord& a, const MemoRecord& b);

}  // namespace quillet
