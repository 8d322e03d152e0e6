#include "memo/MemoRecord.h"

#include "settings/Settings.h"

namespace quillet {

MemoRecord NewMemoRecord(const GeneralSettings& general) {
  MemoRecord record;
  record.backColor = general.backgroundColor.value;
  record.paletteColor = FixedMemoValues::kNewMemoFrameColor;
  record.zPosition = static_cast<std::int32_t>(general.memoZPosition);
  record.titleFont = general.titleFont;
  return record;
}

bool operator==(const MemoRecord& a, const MemoRecord& b) {
  return a.version == b.version && a.formatBarShown == b.formatBarShown && a.windowRect == b.windowRect &&
         a.colorType == b.colorType && a.backColor == b.backColor && a.paletteColor == b.paletteColor &&
         a.expanded == b.expanded && a.expandedSize == b.expandedSize && a.zPosition == b.zPosition &&
         a.contentFile == b.contentFile && a.scrollLine == b.scrollLine && a.title == b.title &&
         a.editTime == b.editTime && a.reserved == b.reserved && a.titleFont == b.titleFont;
}

}  // namespace quillet
