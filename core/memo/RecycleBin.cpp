#include "memo/RecycleBin.h"

#include <algorithm>
#include <cstdio>

#include "memo/MemoListFormat.h"
#include "memo/MemoListStore.h"
#include "ports/FileSystem.h"
#include "settings/DataLocations.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

// False when the list could not be read whole, so that some of its names may be missing.
bool AddContentFiles(const FileSystem& files, const TextCodec& codec, const std::string& path,
                     std::vector<std::string>& keys) {
  std::string bytes;
  switch (files.ReadFile(path, bytes)) {
    case ReadOutcome::Missing:
      return true;
    case ReadOutcome::Unreadable:
      return false;
    case ReadOutcome::Ok:
      break;
  }
  if (bytes.empty()) return true;
  const ParsedMemoList list = ParseMemoList(bytes, codec, MemoRecord{});
  for (const MemoRecord& record : list.records) {
    if (!record.contentFile.empty()) keys.push_back(PathKey(record.contentFile));
  }
  return list.signature == ListSignature::Known && !list.cutShort;
}

}  // namespace

bool ListedContentFiles::Names(const std::string& contentFile) const {
  return std::binary_search(keys.begin(), keys.end(), PathKey(contentFile));
}

ListedContentFiles ContentFilesOfLists(const FileSystem& files, const TextCodec& codec, const std::string& folder,
                                       const std::string& exceptGroup) {
  // Every list, hidden ones too: a list without the archive attribute still owns its files.
  std::vector<std::string> lists{kTemporaryStorageGroupFile};
  // A list written beside its file ("…qld.unsaved-…") holds memos of its own too.
  const std::string patterns[] = {"*.qld", "*.qld.unsaved-*", std::string(kTemporaryStorageGroupFile) + ".unsaved-*"};
  for (const std::string& pattern : patterns) {
    for (FolderEntry& entry : files.ListFiles(folder, pattern)) lists.push_back(std::move(entry.name));
  }

  ListedContentFiles listed;
  const std::string except = PathKey(exceptGroup);
  for (const std::string& list : lists) {
    if (!exceptGroup.empty() && PathKey(list) == except) continue;
    if (!AddContentFiles(files, codec, folder + list, listed.keys)) listed.complete = false;
  }
  std::sort(listed.keys.begin(), listed.keys.end());
  listed.keys.erase(std::unique(listed.keys.begin(), listed.keys.end()), listed.keys.end());
  return listed;
}

bool RemoveContentFile(FileSystem& files, const TextCodec& codec, const std::string& folder,
                       const std::string& openGroup, const std::string& contentFile, MemoRemoval how) {
  const std::optional<std::string> path = ContentFilePath(folder, contentFile);
  if (!path || !files.FileExists(*path)) return true;
  const ListedContentFiles elsewhere = ContentFilesOfLists(files, codec, folder, openGroup);
  const bool shared = !elsewhere.complete || elsewhere.Names(contentFile);
  if (how == MemoRemoval::ForGood) {
    if (!shared) files.DeleteFile(*path);
    return true;
  }
  return shared ? files.CopyFile(*path, DeletedName(*path)) : files.MoveFile(*path, DeletedName(*path));
}

std::vector<RestoreEntry> RestoreEntries(const FileSystem& files, const std::string& folder, RestoreMode mode,
                                         const ListedContentFiles& listed) {
  const bool recovery = mode == RestoreMode::ManualRecovery;
  std::vector<RestoreEntry> entries;
  for (FolderEntry& entry : files.ListFiles(folder, recovery ? "*.rtf" : "*.brt")) {
    if (!entry.archive || (recovery && listed.Names(entry.name))) continue;
    entries.push_back({std::move(entry.name), RestoreTimeText(entry.modified)});
  }
  return entries;
}

std::string RestoreTimeText(const LocalTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%d년%02d월%02d일 %02d시%02d분", time.year, time.month, time.day, time.hour,
                time.minute);
  return text;
}

namespace {

std::string WithExtension(const std::string& name, const char* extension) {
  const std::size_t dot = name.rfind('.');
  const std::size_t slash = name.find_last_of("\\/");
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? name.substr(0, dot) : name) + extension;
}

}  // namespace

std::string RestoredName(const std::string& name) { return WithExtension(name, ".rtf"); }

std::string DeletedName(const std::string& contentFile) { return WithExtension(contentFile, ".brt"); }

}  // namespace quillet
