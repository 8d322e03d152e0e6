#include "MemoryFileSystem.h"

#include <algorithm>
#include <stdexcept>

#include "storage/Paths.h"

namespace quillet::testing {

namespace {

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesPattern(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  return !name.empty() && (pattern[0] == '?' || pattern[0] == name[0]) &&
         MatchesPattern(name.substr(1), pattern.substr(1));
}

}  // namespace

std::string MemoryFileSystem::Key(const std::string& path) {
  std::string key = PathKey(CollapseBackslashes(path));
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

std::string MemoryFileSystem::ParentKey(const std::string& path) {
  const std::string key = Key(path);
  const std::size_t slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

void MemoryFileSystem::AddFolder(const std::string& path) {
  std::string key = Key(path);
  while (!key.empty()) {
    folders_.insert(key);
    const std::size_t slash = key.rfind('\\');
    if (slash == std::string::npos) break;
    key.resize(slash);
  }
}

void MemoryFileSystem::AddFile(const std::string& path, std::string bytes, bool archive) {
  AddFolder(ParentKey(path));
  File& file = files_[Key(path)];
  file.path = path;
  file.bytes = std::move(bytes);
  file.archive = archive;
  file.order = nextOrder_++;
}

void MemoryFileSystem::SetModified(const std::string& path, const LocalTime& time) {
  files_.at(Key(path)).modified = time;
}

const std::string& MemoryFileSystem::Bytes(const std::string& path) const {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) throw std::out_of_range("no file " + path);
  return found->second.bytes;
}

std::set<std::string> MemoryFileSystem::NamesIn(const std::string& folder) const {
  std::set<std::string> names;
  for (const auto& [key, file] : files_) {
    if (ParentKey(file.path) == Key(folder)) names.insert(std::string(FileNamePart(file.path)));
  }
  return names;
}

ReadOutcome MemoryFileSystem::ReadFile(const std::string& path, std::string& bytes) const {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) return folders_.count(Key(path)) ? ReadOutcome::Unreadable : ReadOutcome::Missing;
  if (locked_.count(Key(path))) return ReadOutcome::Unreadable;
  bytes = found->second.bytes;
  return ReadOutcome::Ok;
}

std::optional<std::string> MemoryFileSystem::WriteTemporaryFile(const std::string& path, std::string_view bytes) {
  ++changes_;
  if (failingWrites_.count(Key(path)) || !folders_.count(ParentKey(path))) return std::nullopt;
  const std::string temporary = path + '.' + std::to_string(nextOrder_) + ".tmp";
  AddFile(temporary, std::string(bytes));
  return temporary;
}

bool MemoryFileSystem::CommitFile(const std::string& temporary, const std::string& path) {
  const std::string key = Key(path);
  const auto found = files_.find(Key(temporary));
  if (found == files_.end() || failingCommits_.count(key) || locked_.count(key) || folders_.count(key) ||
      !folders_.count(ParentKey(path))) {
    return false;
  }
  std::string bytes = std::move(found->second.bytes);
  files_.erase(found);
  // A replaced file keeps its spelling and its place in listings.
  const bool existed = files_.count(key) != 0;
  File& file = files_[key];
  if (!existed) {
    file.path = path;
    file.order = nextOrder_++;
  }
  file.bytes = std::move(bytes);
  file.archive = true;
  return true;
}

bool MemoryFileSystem::CopyFile(const std::string& from, const std::string& to) {
  ++changes_;
  const auto found = files_.find(Key(from));
  if (found == files_.end() || locked_.count(Key(from)) || failingCopies_.count(Key(from)) ||
      files_.count(Key(to)) || !folders_.count(ParentKey(to))) {
    return false;
  }
  const File source = found->second;
  AddFile(to, source.bytes, source.archive);
  SetModified(to, source.modified);
  return true;
}

std::optional<FileStatus> MemoryFileSystem::Status(const std::string& path) const {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) return std::nullopt;
  return FileStatus{found->second.bytes.size(), found->second.modified};
}

bool MemoryFileSystem::FileExists(const std::string& path) const { return files_.count(Key(path)) != 0; }

bool MemoryFileSystem::FolderExists(const std::string& path) const {
  return !path.empty() && folders_.count(Key(path)) != 0;
}

bool MemoryFileSystem::CreateFolder(const std::string& path) {
  if (FolderExists(path)) return true;
  if (folderCreationFails_ || path.empty() || !folders_.count(ParentKey(path)) || files_.count(Key(path))) {
    return false;
  }
  folders_.insert(Key(path));
  return true;
}

std::vector<FolderEntry> MemoryFileSystem::ListFiles(const std::string& folder, std::string_view pattern) const {
  std::vector<const File*> matches;
  const std::string lowered = PathKey(pattern);
  for (const auto& [key, file] : files_) {
    if (ParentKey(file.path) == Key(folder) && MatchesPattern(PathKey(FileNamePart(file.path)), lowered)) {
      matches.push_back(&file);
    }
  }
  std::sort(matches.begin(), matches.end(), [](const File* a, const File* b) { return a->order < b->order; });
  std::vector<FolderEntry> entries;
  for (const File* file : matches) {
    entries.push_back({std::string(FileNamePart(file->path)), file->archive, file->modified});
  }
  return entries;
}

std::vector<std::string> MemoryFileSystem::ListSubfolders(const std::string& folder) const {
  std::vector<std::string> names;
  for (const std::string& key : folders_) {
    if (ParentKey(key) == Key(folder)) names.push_back(std::string(FileNamePart(key)));
  }
  return names;
}

bool MemoryFileSystem::MoveFile(const std::string& from, const std::string& to) {
  ++changes_;
  const std::string source = Key(from);
  const std::string target = Key(to);
  const auto found = files_.find(source);
  if (found == files_.end() || locked_.count(source) || files_.count(target) || !folders_.count(ParentKey(to))) {
    return false;
  }
  File file = std::move(found->second);
  files_.erase(found);
  file.path = to;
  files_[target] = std::move(file);
  return true;
}

bool MemoryFileSystem::DeleteFile(const std::string& path) {
  ++changes_;
  const std::string key = Key(path);
  if (locked_.count(key)) return false;
  return files_.erase(key) != 0;
}

}  // namespace quillet::testing
