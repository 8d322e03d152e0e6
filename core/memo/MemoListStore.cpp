#include "memo/MemoListStore.h"

#include "memo/MemoListFormat.h"
#include "memo/MemoTimes.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "settings/DataLocations.h"
#include "storage/Paths.h"

namespace quillet {

std::optional<std::string> ContentFilePath(const std::string& folder, const std::string& contentFile) {
  if (!IsPlainFileName(contentFile)) return std::nullopt;
  return folder + contentFile;
}

MemoListStore::MemoListStore(FileSystem& files, const TextCodec& codec, const Clock& clock)
    : files_(files), codec_(codec), clock_(clock), keeper_(files, clock) {}

ListReadStatus MemoListStore::ReplaceWithEmptyList(const std::string& path, std::string& keptAsidePath) {
  const FileWriteOutcome written = keeper_.Write(path, SerializeMemoList({}));
  if (written.status != FileWriteStatus::Saved) {
    keeper_.Note(path, FileCondition::Unreadable);
    return ListReadStatus::Unreadable;
  }
  keptAsidePath = written.keptAsidePath;
  return ListReadStatus::Replaced;
}

ListReadResult MemoListStore::ReadFile(const std::string& folder, const std::string& path, const MemoRecord& blank,
                                       const ScreenGeometry& screens, std::vector<MemoRecord>& records) {
  ListReadResult result;
  std::string bytes;
  switch (files_.ReadFile(path, bytes)) {
    case ReadOutcome::Missing:
      result.status = ListReadStatus::NotFound;
      return result;
    case ReadOutcome::Unreadable:
      keeper_.Note(path, FileCondition::Unreadable);
      result.status = ListReadStatus::Unreadable;
      return result;
    case ReadOutcome::Ok:
      break;
  }
  ParsedMemoList list = ParseMemoList(bytes, codec_, blank);
  // An empty file holds nothing worth a copy.
  const bool damaged = !bytes.empty() && (list.signature != ListSignature::Known || list.cutShort);
  keeper_.Note(path, damaged ? FileCondition::Damaged : FileCondition::Sound);
  // Nothing to show: an empty list takes its place, once a copy of the old file is kept.
  if (list.signature == ListSignature::Unreadable) {
    result.status = ReplaceWithEmptyList(path, result.keptAsidePath);
    return result;
  }
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
      path = folder + name;
      // A default list without the archive attribute is still the user's: read, never replaced.
      if (!files_.FileExists(path)) {
        convert = true;
        path = files_.FileExists(folder + "memolist160") ? folder + "memolist160" : folder + "memolist";
      }
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
                                          std::vector<MemoRecord>& records, UnsavedFile* unsaved) {
  for (MemoRecord& record : records) record.version = kMemoRecordVersion;
  FileWriteOutcome written = keeper_.Write(folder + group, SerializeMemoList(records));
  if (unsaved) *unsaved = std::move(written.unsaved);
  return written.status;
}

std::optional<std::string> MemoListStore::WriteGroupCopy(const std::string& folder, const std::string& group,
                                                         const std::vector<MemoRecord>& records) {
  std::vector<MemoRecord> current = records;
  for (MemoRecord& record : current) record.version = kMemoRecordVersion;
  return WriteUnsavedCopy(files_, clock_, folder + group, SerializeMemoList(current));
}

bool MemoListStore::EnsureTemporaryStorageGroup(const std::string& folder) {
  const std::string path = folder + kTemporaryStorageGroupFile;
  if (files_.FileExists(path)) return true;
  std::vector<MemoRecord> none;
  return WriteGroup(folder, kTemporaryStorageGroupFile, none) == ListWriteStatus::Saved;
}

}  // namespace quillet
