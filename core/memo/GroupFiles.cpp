// The group files of the data folder: listing, naming, adding, renaming and deleting them.
#include <algorithm>
#include <array>

#include "memo/MemoGroups.h"
#include "memo/MemoListFormat.h"
#include "ports/FileSystem.h"
#include "settings/DataLocations.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

constexpr std::string_view kGroupExtension = ".qld";
// Windows refuses longer paths, the terminating null included.
constexpr std::size_t kMaxPath = 260;

bool IsDeviceName(std::string_view name) {
  // "con.txt" and "CON " open the console as well.
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  const std::string key = PathKey(base);
  static constexpr std::array<std::string_view, 4> kPlain = {"con", "prn", "aux", "nul"};
  if (std::find(kPlain.begin(), kPlain.end(), key) != kPlain.end()) return true;
  return key.size() == 4 && (key.compare(0, 3, "com") == 0 || key.compare(0, 3, "lpt") == 0) && key[3] >= '1' &&
         key[3] <= '9';
}

// Any "*.qld" of that name, whatever its letter case or archive attribute.
bool GroupFileExists(const FileSystem& files, const std::string& folder, const std::string& groupFile) {
  const std::string key = PathKey(groupFile);
  for (const FolderEntry& entry : files.ListFiles(folder, "*.qld")) {
    if (PathKey(entry.name) == key) return true;
  }
  return files.FileExists(folder + groupFile);
}

std::string BinName(const std::string& contentFile) {
  const std::size_t dot = contentFile.rfind('.');
  return (dot == std::string::npos ? contentFile : contentFile.substr(0, dot)) + ".brt";
}

}  // namespace

std::vector<std::string> GroupFiles(const FileSystem& files, const std::string& folder) {
  std::vector<std::string> names;
  for (FolderEntry& entry : files.ListFiles(folder, "*.qld")) {
    if (entry.archive) names.push_back(std::move(entry.name));
  }
  return names;
}

std::vector<std::string> MenuGroupFiles(const FileSystem& files, const std::string& folder) {
  std::vector<std::string> names = GroupFiles(files, folder);
  if (names.size() > kMaxMenuGroups) names.resize(kMaxMenuGroups);
  names.push_back(kTemporaryStorageGroupFile);
  return names;
}

std::string GroupDisplayName(const std::string& groupFile) {
  if (PathKey(groupFile) == PathKey(kTemporaryStorageGroupFile)) return "임시 보관함";
  if (groupFile.size() <= kGroupExtension.size()) return groupFile;
  return groupFile.substr(0, groupFile.size() - kGroupExtension.size());
}

bool IsOpenGroup(const std::string& groupFile, const std::string& openGroup) {
  return PathKey(groupFile) == PathKey(openGroup);
}

GroupListing ListGroupsForDialog(const FileSystem& files, const std::string& folder, const std::string& openGroup) {
  GroupListing listing;
  listing.files = GroupFiles(files, folder);
  // A folder without a list still has the group the next save writes: "DefaultMemo".
  if (listing.files.empty()) listing.files.push_back(kDefaultGroupFile);
  const auto open = std::find_if(listing.files.begin(), listing.files.end(),
                                 [&](const std::string& file) { return IsOpenGroup(file, openGroup); });
  if (open != listing.files.end()) listing.selected = static_cast<std::size_t>(open - listing.files.begin());
  listing.openName = GroupDisplayName(openGroup);
  return listing;
}

bool IsUsableGroupName(std::string_view name, const std::string& folder) {
  if (name.empty() || name.back() == ' ' || name.back() == '.') return false;
  // No CP949 trail byte is one of these or a control character, so bytes are tested one by one.
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos) return false;
  }
  return !IsDeviceName(name) &&
         folder.size() + name.size() + kGroupExtension.size() + kLongestSideSuffix < kMaxPath;
}

GroupChange AddGroup(MemoListStore& store, FileSystem& files, const std::string& folder, std::string_view name) {
  if (!IsUsableGroupName(name, folder)) return GroupChange::UnusableName;
  const std::string groupFile = std::string(name) + std::string(kGroupExtension);
  if (GroupFileExists(files, folder, groupFile)) return GroupChange::AlreadyExists;
  std::vector<MemoRecord> none;
  return store.WriteGroup(folder, groupFile, none) == ListWriteStatus::Saved ? GroupChange::Done
                                                                             : GroupChange::Failed;
}

GroupChange RenameGroup(MemoListStore& store, FileSystem& files, const std::string& folder,
                        const std::string& groupFile, std::string_view newName) {
  if (store.IsUnreadable(folder, groupFile)) return GroupChange::Unreadable;
  if (!IsUsableGroupName(newName, folder)) return GroupChange::UnusableName;
  const std::string newFile = std::string(newName) + std::string(kGroupExtension);
  if (newFile == groupFile) return GroupChange::Done;
  // A change of letter case alone meets the group itself, as the program always answered it.
  if (GroupFileExists(files, folder, newFile)) return GroupChange::AlreadyExists;
  if (!files.MoveFile(folder + groupFile, folder + newFile)) return GroupChange::Failed;
  store.GroupRenamed(folder, groupFile, newFile);
  return GroupChange::Done;
}

GroupContents ReadGroupForDelete(const FileSystem& files, const TextCodec& codec, const std::string& folder,
                                 const std::string& groupFile) {
  GroupContents contents;
  std::string bytes;
  switch (files.ReadFile(folder + groupFile, bytes)) {
    case ReadOutcome::Missing:
      contents.readable = true;
      return contents;
    case ReadOutcome::Unreadable:
      return contents;
    case ReadOutcome::Ok:
      break;
  }
  if (bytes.empty()) {
    contents.readable = true;
    return contents;
  }
  // A cut record may name a content file this group would leave behind unaccounted for.
  ParsedMemoList list = ParseMemoList(bytes, codec, MemoRecord{});
  if (list.signature != ListSignature::Known || list.cutShort) return contents;
  contents.readable = true;
  for (MemoRecord& record : list.records) {
    if (IsPlainFileName(record.contentFile)) contents.contentFiles.push_back(std::move(record.contentFile));
  }
  return contents;
}

bool DeleteGroup(FileSystem& files, const std::string& folder, const std::string& groupFile,
                 const GroupContents& contents, GroupDeleteMode mode, const std::vector<std::string>& liveElsewhere) {
  // The list goes first: if it cannot, nothing has changed; a content file left behind by a
  // later failure is still found by manual recovery.
  if (!contents.readable || !files.DeleteFile(folder + groupFile)) return false;
  if (mode == GroupDeleteMode::ListOnly) return true;
  std::vector<std::string> live = liveElsewhere;
  std::sort(live.begin(), live.end());
  for (const std::string& contentFile : contents.contentFiles) {
    if (!IsPlainFileName(contentFile) || std::binary_search(live.begin(), live.end(), PathKey(contentFile))) continue;
    if (mode == GroupDeleteMode::ToRecycleBin) {
      files.MoveFile(folder + contentFile, folder + BinName(contentFile));
    } else {
      files.DeleteFile(folder + contentFile);
    }
  }
  return true;
}

std::string GroupInNewFolder(const FileSystem& files, const std::string& folder, const std::string& openGroup) {
  // The temporary storage is made wherever it is opened.
  if (IsOpenGroup(kTemporaryStorageGroupFile, openGroup)) return kTemporaryStorageGroupFile;
  for (const FolderEntry& entry : files.ListFiles(folder, "*.qld")) {
    if (IsOpenGroup(entry.name, openGroup)) return entry.name;
  }
  const std::string first = FirstArchivedGroupFile(files, folder);
  return first.empty() ? kDefaultGroupFile : first;
}

}  // namespace quillet
