#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "memo/MemoListStore.h"

namespace quillet {

class FileSystem;
class TextCodec;

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

// --- the group list of the menus and the group dialog ---

// A menu holds 200 commands: 199 groups and the temporary storage.
inline constexpr std::size_t kMaxMenuGroups = 199;

// The group files of the data folder: every "*.qld" with its archive attribute, in listing order.
std::vector<std::string> GroupFiles(const FileSystem& files, const std::string& folder);
// The list both group menus show: the first kMaxMenuGroups group files, then "RecycleBin.qlr".
std::vector<std::string> MenuGroupFiles(const FileSystem& files, const std::string& folder);
// "Work.qld" shows as "Work", the temporary storage as "임시 보관함".
std::string GroupDisplayName(const std::string& groupFile);
// Whether `groupFile` names the open group ("MemoDBFile") as Windows compares file names.
bool IsOpenGroup(const std::string& groupFile, const std::string& openGroup);

// What the group dialog lists: "DefaultMemo" when the folder holds no list. Filling never changes
// the open group: a group file missing from the list (archive attribute cleared, other letter
// case, none at all) stays open as it is.
struct GroupListing {
  std::vector<std::string> files;  // group files, for names shown with GroupDisplayName
  std::size_t selected = 0;        // the open group's entry, else 0
  std::string openName;            // for "현재 열린 그룹"
};
GroupListing ListGroupsForDialog(const FileSystem& files, const std::string& folder, const std::string& openGroup);

// A name usable for a group file in `folder`: not empty, none of \ / : * ? " < > | or control
// characters, no trailing space or dot, not a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9,
// with or without an extension), and short enough for the whole path with the longest name a
// write makes beside it.
bool IsUsableGroupName(std::string_view name, const std::string& folder);

enum class GroupChange {
  Done,
  UnusableName,   // "그룹 이름으로 사용할 수 없습니다."
  AlreadyExists,  // any "*.qld" of that name in any letter case, listed or not: "이미 존재하는 그룹입니다."
  Unreadable,     // its list could not be read this session: its memos would be written over
  Failed,         // nothing changed
};

// Writes an empty list for the new group `name` (without ".qld"), never over an existing file.
GroupChange AddGroup(MemoListStore& store, FileSystem& files, const std::string& folder, std::string_view name);
// Renames the list file `groupFile` to `newName` + ".qld", never replacing a file nor a list found
// unreadable. The caller sets "MemoDBFile" after Done when `groupFile` was the open group.
GroupChange RenameGroup(MemoListStore& store, FileSystem& files, const std::string& folder, const std::string& groupFile,
                        std::string_view newName);

// A group about to be deleted, read without changing anything.
struct GroupContents {
  bool readable = false;  // false: unreadable or of an unknown format, so never deleted
  std::vector<std::string> contentFiles;
};
GroupContents ReadGroupForDelete(const FileSystem& files, const TextCodec& codec, const std::string& folder,
                                 const std::string& groupFile);

enum class GroupDeleteMode {
  ToRecycleBin,  // "삭제(복원가능)": content files become ".brt"
  Everything,    // "완전 삭제": content files deleted
  ListOnly,      // "그룹 파일만 삭제": content files stay for manual recovery
};
// Deletes the group's list file and deals with its content files by `mode`, except those another
// list names (`liveElsewhere`: PathKeys). False when the list file could not be deleted.
bool DeleteGroup(FileSystem& files, const std::string& folder, const std::string& groupFile,
                 const GroupContents& contents, GroupDeleteMode mode, const std::vector<std::string>& liveElsewhere);

// The group to open after the data folder changed to `folder`: the open group's name when that
// file is there, else the first archived group file, else "DefaultMemo.qld".
std::string GroupInNewFolder(const FileSystem& files, const std::string& folder, const std::string& openGroup);

}  // namespace quillet
