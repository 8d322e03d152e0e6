#pragma once

#include "ports/FileSystem.h"

namespace quillet::win {

// The file system through the wide API; paths arrive as CP949 text and are widened at the call.
class Win32FileSystem final : public FileSystem {
 public:
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
};

// Whether this process may make files in `folder`, found by making one that goes again as it is
// closed: the folder's rights decide, whatever its attributes say (Program Files, a CD).
bool MayWriteFolder(const std::string& folder);

}  // namespace quillet::win
