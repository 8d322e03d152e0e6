#include "memo/MemoGroups.h"

#include <cstdio>

#include "memo/StarterFiles.h"
#include "ports/FileSystem.h"
#include "settings/DataLocations.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

constexpr int kManyMemos = 1000;

}  // namespace

GroupOpenOutcome OpenGroupList(MemoListStore& store, FileSystem& files, const std::string& folder,
                               const std::string& currentGroup, const std::string& group, bool force,
                               const MemoRecord& blank, const ScreenGeometry& screens,
                               std::vector<MemoRecord>& records) {
  GroupOpenOutcome outcome;
  if (!force && group == currentGroup) return outcome;
  if (group == kTemporaryStorageGroupFile) store.EnsureTemporaryStorageGroup(folder);
  if (!files.FolderExists(folder)) {
    if (folder.empty() || !files.CreateFolder(folder)) {
      outcome.status = GroupOpenStatus::NoDataFolder;
      return outcome;
    }
    PlaceStarterFiles(files, folder, group);
  }
  outcome.status = GroupOpenStatus::Opened;
  outcome.read = store.ReadCurrentGroup(folder, group, blank, screens, records);
  return outcome;
}

MoveOutcome MoveMemoToGroupList(MemoListStore& store, const std::string& folder, const std::string& currentGroup,
                                std::vector<MemoRecord>& records, std::size_t index, const std::string& targetGroup,
                                const MemoRecord& blank, const ScreenGeometry& screens) {
  MoveOutcome outcome;
  if (index >= records.size()) return outcome;
  if (PathKey(targetGroup) == PathKey(currentGroup)) {
    outcome.status = MoveStatus::SameGroup;
    return outcome;
  }
  if (targetGroup == kTemporaryStorageGroupFile) store.EnsureTemporaryStorageGroup(folder);

  std::vector<MemoRecord> target;
  const ListReadStatus read = store.ReadGroup(folder, targetGroup, blank, screens, target).status;
  if (read == ListReadStatus::Unreadable) {
    outcome.status = MoveStatus::TargetUnreadable;
    return outcome;
  }
  target.push_back(records[index]);
  if (store.WriteGroup(folder, targetGroup, target) != ListWriteStatus::Saved) {
    outcome.status = MoveStatus::TargetSaveFailed;
    return outcome;
  }
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
  const ListWriteStatus source = store.WriteGroup(folder, currentGroup, records, &outcome.unsaved);
  outcome.status = source == ListWriteStatus::Failed ? MoveStatus::SourceSaveFailed : MoveStatus::Moved;
  outcome.targetCount = static_cast<int>(target.size());
  outcome.warning = TooManyMemosWarning(targetGroup, outcome.targetCount);
  return outcome;
}

std::string TooManyMemosWarning(const std::string& group, int count) {
  if (count <= kManyMemos) return {};
  char text[512];
  if (group == kTemporaryStorageGroupFile) {
    std::snprintf(text, sizeof text, "임시 보관함에 메모가 너무 많습니다 [현재 %d개]. \n메모를 정리해 주세요.", count);
  } else {
    const std::string name = group.substr(0, group.rfind('.'));
    std::snprintf(text, sizeof text, "%s 그룹에 메모가 너무 많습니다 [현재 %d개]. \n메모를 정리해 주세요.",
                  name.c_str(), count);
  }
  return text;
}

}  // namespace quillet
