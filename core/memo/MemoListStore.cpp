#include "memo/MemoListStore.h"

#include "memo/MemoListFormat.h"
#include "memo/MemoTimes.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "settings/DataLocations.h"
#include "storage/KeepAside.h"
#include "storage/Paths.h"

namespace quillet {

std::optional<std::string> ContentFilePath(const std::string& folder, const std::string& contentFile) {
  if (!IsPlainFileName(contentFile)) return std::nullopt;
  return folder + contentFile;
}

MemoListStore::MemoListStore(FileSystem& files, const TextCodec& codec, const Clock& clock)
    : files_(files), codec_(codec), clock_(clock) {}

void MemoListStore::MarkUnreadable(const std::string& path) { unreadable_.insert(PathKey(path)); }

ListReadStatus MemoListStore::ReplaceWithEmptyList(const std::string& path) {
  if (!files_.ReplaceFile(path, SerializeMemoList({}))) {
    MarkUnreadable(path);
    return ListReadStatus::Unreadable;
  }
  return ListReadStatus::Replaced;
}

ListReadResult MemoListStore::ReadFile(const std::string& folder, const std::string& path, const MemoRecord& blank,
                                       const ScreenGeometry& screens, std::vector<MemoRecord>& records) {
  ListReadResult result;
  const std::string key = PathKey(path);
  std::string bytes;
  switch (files_.ReadFile(path, bytes)) {
    case ReadOutcome::Missing:
      result.status = ListReadStatus::NotFound;
      return result;
    case ReadOutcome::Unreadable:
      MarkUnreadable(path);
      result.status = ListReadStatus::Unreadable;
      return result;
    case ReadOutcome::Ok:
      break;
  }
  unreadable_.erase(key);
  if (bytes.empty()) {
    result.status = ReplaceWithEmptyList(path);
    return result;
  }
  ParsedMemoList list = ParseMemoList(bytes, codec_, blank);
  if (list.signature == ListSignature::Unreadable) {
    const std::optional<std::string> aside = KeepDamagedFileAside(files_, path, clock_.Now());
    if (!aside) {
      MarkUnreadable(path);
      result.status = ListReadStatus::Unreadable;
      return result;
    }
    result.keptAsidePath = *aside;
    result.status = ReplaceWithEmptyList(path);
    return result;
  }
  if (list.signature == ListSignature::Foreign || list.cutShort) damaged_.insert(key);
  const LocalTime now = clock_.Now();
  for (MemoRecord& record : list.records) {
    if (record.version < kMemoRecordVersion || record.editTime.empty()) {
      const std::optional<std::string> content = ContentFilePath(folder, record.contentFile);
      record.editTime = content ? FileTimeText(files_, *content, now) : TimeText(now);
    }
    record.windowRect = CorrectMemoPlacement(record.windowRect, screens);
  }
  records = std::move(list.records);
  result.status = ListReadStatus::Loaded;
  return result;
}

ListReadResult MemoListStore::ReadGroup(const std::string& folder, const std::string& group, const MemoRecord& blank,
                                        const ScreenGeometry& screens, std::vector<MemoRecord>& records) {
  ListReadResult result = ReadFile(folder, folder + group, blank, screens, records);
  result.groupName = group;
  return result;
}

ListReadResult MemoListStore::ReadCurrentGroup(const std::string& folder, const std::string& group,
                                               const MemoRecord& blank, const ScreenGeometry& screens,
                                               std::vector<MemoRecord>& records) {
  std::string name = group;
  std::string path = folder + name;
  bool convert = false;
  if (!files_.FileExists(path)) {
    name = FirstArchivedGroupFile(files_, folder);
    if (name.empty()) {
      name = kDefaultGroupFile;
      convert = true;
      path = files_.FileExists(folder + "memolist160") ? folder + "memolist160" : folder + "memolist";
    } else {
      path = folder + name;
    }
  }
  ListReadResult result = ReadFile(folder, path, blank, screens, records);
  result.groupName = name;
  if (convert && result.status == ListReadStatus::Loaded) {
    result.converted = WriteGroup(folder, name, records) == ListWriteStatus::Saved;
  }
  return result;
}

ListWriteStatus MemoListStore::WriteGroup(const std::string& folder, const std::string& group,
                                          std::vector<MemoRecord>& records) {
  const std::string path = folder + group;
  const std::string key = PathKey(path);
  if (unreadable_.count(key)) return ListWriteStatus::Protected;
  if (damaged_.count(key) && files_.FileExists(path)) {
    if (!KeepDamagedFileAside(files_, path, clock_.Now())) return ListWriteStatus::Failed;
  }
  damaged_.erase(key);
  for (MemoRecord& record : records) record.version = kMemoRecordVersion;
  return files_.ReplaceFile(path, SerializeMemoList(records)) ? ListWriteStatus::Saved : ListWriteStatus::Failed;
}

bool MemoListStore::EnsureTemporaryStorageGroup(const std::string& folder) {
  const std::string path = folder + kTemporaryStorageGroupFile;
  if (files_.FileExists(path)) return true;
  std::vector<MemoRecord> none;
  return WriteGroup(folder, kTemporaryStorageGroupFile, none) == ListWriteStatus::Saved;
}

}  // namespace quillet
