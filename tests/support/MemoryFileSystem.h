#pragma once

#include <map>
#include <set>
#include <string>

#include "ports/FileSystem.h"

namespace quillet::testing {

// Windows-like files in memory: paths compare without letter case, a file needs its folder,
// and every way a real disk fails can be switched on per path.
class MemoryFileSystem final : public FileSystem {
 public:
  void AddFolder(const std::string& path);
  void AddFile(const std::string& path, std::string bytes, bool archive = true);
  void SetModified(const std::string& path, const LocalTime& time);

  // The file exists but cannot be opened or renamed (a scanner or another program holds it).
  void Lock(const std::string& path) { locked_.insert(Key(path)); }
  void Unlock(const std::string& path) { locked_.erase(Key(path)); }
  // Writing a temporary file beside this path fails, as on a full disk.
  void FailWritesTo(const std::string& path) { failingWrites_.insert(Key(path)); }
  // Moving a temporary file over this path fails, as over a read-only file.
  void FailCommitsTo(const std::string& path) { failingCommits_.insert(Key(path)); }
  // Copying this file fails, as when the copy finds the disk full.
  void FailCopiesOf(const std::string& path) { failingCopies_.insert(Key(path)); }
  void FailFolderCreation() { folderCreationFails_ = true; }

  bool Has(const std::string& path) const { return files_.count(Key(path)) != 0; }
  const std::string& Bytes(const std::string& path) const;
  // Names of the files in a folder, in listing order.
  std::set<std::string> NamesIn(const std::string& folder) const;
  // Every change asked of the files so far: writes, copies, moves, deletions.
  int changes() const { return changes_; }

  ReadOutcome ReadFile(const std::string& path, std::string& bytes) const override;
  std::optional<std::string> WriteTemporaryFile(const std::string& path, std::string_view bytes) override;
  bool CommitFile(const std::string& temporary, const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  std::optional<FileStatus> Status(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  bool FolderExists(const std::string& path) const override;
  bool CreateFolder(const std::string& path) override;
  std::vector<FolderEntry> ListFiles(const std::string& folder, std::string_view pattern) const override;
  std::vector<std::string> ListSubfolders(const std::string& folder) const override;
  bool MoveFile(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;

 private:
  struct File {
    std::string path;
    std::string bytes;
    LocalTime modified;
    bool archive = true;
    int order = 0;
  };

  static std::string Key(const std::string& path);
  static std::string ParentKey(const std::string& path);

  std::map<std::string, File> files_;
  std::set<std::string> folders_;
  std::set<std::string> locked_;
  std::set<std::string> failingWrites_;
  std::set<std::string> failingCommits_;
  std::set<std::string> failingCopies_;
  bool folderCreationFails_ = false;
  int changes_ = 0;
  int nextOrder_ = 0;
};

}  // namespace quillet::testing
