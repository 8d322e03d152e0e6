#pragma once

#include <optional>
#include <string>
#include <vector>

#include "memo/MemoRecord.h"
#include "memo/Placement.h"
#include "storage/DataFileKeeper.h"

namespace quillet {

class Clock;
class FileSystem;
class TextCodec;

enum class ListReadStatus {
  Loaded,      // the records are in the array (an unknown signature gives none)
  NotFound,    // there is no list: the array is untouched
  Replaced,    // empty or without a readable signature: an empty list stands there now, and the
               // recovery of deleted memos should start
  Unreadable,  // the file is there but cannot be read; it is never written over this session
               // (writes go beside it)
};

struct ListReadResult {
  ListReadStatus status = ListReadStatus::NotFound;
  std::string groupName;     // the group actually read; a missing current group falls back
  bool converted = false;    // an old-format list was written under the current name
  std::string keptAsidePath; // where a copy of a damaged file was kept, if one was
};

using ListWriteStatus = FileWriteStatus;

// Reads and writes the memo list files of the data folder. It remembers, for the session, the
// files it could not read (never written: the memos go to their unsaved files) and the damaged
// ones (copied aside before they are replaced).
class MemoListStore {
 public:
  MemoListStore(FileSystem& files, const TextCodec& codec, const Clock& clock);

  // The group to show, with the fallbacks for a missing file: the first archived "*.qld",
  // else an old-format list converted to the default group.
  ListReadResult ReadCurrentGroup(const std::string& folder, const std::string& group, const MemoRecord& blank,
                                  const ScreenGeometry& screens, std::vector<MemoRecord>& records);
  // Any other group; a missing file is an empty group.
  ListReadResult ReadGroup(const std::string& folder, const std::string& group, const MemoRecord& blank,
                           const ScreenGeometry& screens, std::vector<MemoRecord>& records);
  // Sets every record's version to the current one. For SavedElsewhere, `unsaved` tells where
  // the list went and whether to say so now.
  ListWriteStatus WriteGroup(const std::string& folder, const std::string& group, std::vector<MemoRecord>& records,
                             UnsavedFile* unsaved = nullptr);
  // A list found unreadable this session is never renamed or written over.
  bool IsUnreadable(const std::string& folder, const std::string& group) const {
    return keeper_.IsUnreadable(folder + group);
  }
  // A renamed list keeps what its last read found: a damaged one is still copied aside.
  void GroupRenamed(const std::string& folder, const std::string& from, const std::string& to) {
    keeper_.Moved(folder + from, folder + to);
  }
  // The list beside its file (WriteUnsavedCopy), when it cannot be written and nobody can be asked.
  std::optional<std::string> WriteGroupCopy(const std::string& folder, const std::string& group,
                                            const std::vector<MemoRecord>& records);
  // Writes an empty "RecycleBin.qlr" when there is none.
  bool EnsureTemporaryStorageGroup(const std::string& folder);

 private:
  ListReadResult ReadFile(const std::string& folder, const std::string& path, const MemoRecord& blank,
                          const ScreenGeometry& screens, std::vector<MemoRecord>& records);
  ListReadStatus ReplaceWithEmptyList(const std::string& path, std::string& keptAsidePath);

  FileSystem& files_;
  const TextCodec& codec_;
  const Clock& clock_;
  DataFileKeeper keeper_;
};

// The content file's path, or nothing when the stored name is not a plain file name.
std::optional<std::string> ContentFilePath(const std::string& folder, const std::string& contentFile);

}  // namespace quillet
