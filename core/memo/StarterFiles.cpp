#include "memo/StarterFiles.h"

#include "memo/HelpDocument.h"
#include "memo/MemoListFormat.h"
#include "ports/FileSystem.h"

namespace quillet {

MemoRecord StarterMemoRecord() {
  MemoRecord record;
  record.windowRect = Rect{261, 141, 811, 414};
  record.backColor = 0xEDEDED;
  record.paletteColor = 0xC6C6C6;
  record.expanded = 1;
  record.expandedSize = Size{550, 273};
  record.contentFile = kHelpDocumentFile;
  record.title = "Quillet 사용법";
  record.editTime = "2007-3-17 10:10";
  record.titleFont = "16711680|0|0|0|14|Tahoma";
  return record;
}

bool PlaceStarterFiles(FileSystem& files, const std::string& folder, const std::string& group) {
  bool ok = true;
  const auto place = [&](const std::string& path, const std::string& bytes) {
    if (!files.FileExists(path)) ok = files.ReplaceFile(path, bytes) && ok;
  };
  place(folder + group, SerializeMemoList({StarterMemoRecord()}));
  place(folder + kHelpDocumentFile, HelpDocumentRtf());
  return ok;
}

}  // namespace quillet
