#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "memo/MemoListStore.h"

namespace quillet {

class FileSystem;

enum class GroupOpenStatus {
  Unchanged,     // the group is already open and no reopening was asked for
  Opened,        // see `read` for what was found
  NoDataFolder,  // the data folder is missing and cannot be made: the program cannot go on
};

struct GroupOpenOutcome {
  GroupOpenStatus status = GroupOpenStatus::Unchanged;
  ListReadResult read;
};

// The list half of switching to a group. The caller has saved every memo, written the current
// list and closed the memo windows; `records` is empty.
GroupOpenOutcome OpenGroupList(MemoListStore& store, FileSystem& files, const std::string& folder,
                               const std::string& currentGroup, const std::string& group, bool force,
                               const MemoRecord& blank, const ScreenGeometry& screens,
                               std::vector<MemoRecord>& records);

enum class MoveStatus {
  Moved,
  SameGroup,          // the memo is already in that group: nothing to do
  NoSuchMemo,
  TargetUnreadable,   // nothing moved
  TargetSaveFailed,   // nothing moved
  SourceSaveFailed,   // the memo is in the target group, but the current list on disk still
                      // holds it until the next successful save
};

struct MoveOutcome {
  MoveStatus status = MoveStatus::NoSuchMemo;
  int targetCount = 0;
  std::string warning;  // for the message box when the target holds too many memos
  UnsavedFile unsaved;  // set when the current list could only be written beside its file
};

// The list half of moving a memo to another group. The caller has saved every memo. The
// target is written before the memo leaves the current list, so a failure never loses it.
MoveOutcome MoveMemoToGroupList(MemoListStore& store, const std::string& folder, const std::string& currentGroup,
                                std::vector<MemoRecord>& records, std::size_t index, const std::string& targetGroup,
                                const MemoRecord& blank, const ScreenGeometry& screens);

// The warning for a group holding more than a thousand memos, or "".
std::string TooManyMemosWarning(const std::string& group, int count);

}  // namespace quillet
