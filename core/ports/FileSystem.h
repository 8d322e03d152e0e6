#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/LocalTime.h"

namespace quillet {

// Paths are CP949 text with backslashes, as the program stores them.
struct FileStatus {
  std::uint64_t size = 0;
  LocalTime modified;  // last modification, local time
};

struct FolderEntry {
  std::string name;  // file name without folder
  bool archive = false;
  LocalTime modified;  // last modification, local time: one listing serves a folder of thousands
};

enum class ReadOutcome {
  Ok,
  Missing,     // no such file
  Unreadable,  // exists but cannot be opened or read (locked, no permission, I/O error)
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual ReadOutcome ReadFile(const std::string& path, std::string& bytes) const = 0;
  // Writes and flushes a new file under a free temporary name beside `path` and gives that name;
  // a failed write leaves nothing behind.
  virtual std::optional<std::string> WriteTemporaryFile(const std::string& path, std::string_view bytes) = 0;
  // Moves a written temporary file over `path` in one step. On failure both stay as they were.
  virtual bool CommitFile(const std::string& temporary, const std::string& path) = 0;
  // A flushed copy under a new name; fails rather than replace an existing `to`, and a failed
  // copy leaves nothing behind.
  virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
  // Nothing when the file does not exist or its status cannot be read.
  virtual std::optional<FileStatus> Status(const std::string& path) const = 0;
  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool FolderExists(const std::string& path) const = 0;
  // Creates one folder level; true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  // Files (not folders) of `folder` whose names match a wildcard pattern such as "*.qld",
  // in the order the system lists them.
  virtual std::vector<FolderEntry> ListFiles(const std::string& folder, std::string_view pattern) const = 0;
  // Names of the folders in `folder` ("." and ".." left out), in the order the system lists them.
  virtual std::vector<std::string> ListSubfolders(const std::string& folder) const = 0;
  // Renames without replacing an existing target.
  virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;

  // A temporary file committed over `path`: the old contents survive any failure, and no
  // temporary file is left. False when the new contents are not in place.
  bool ReplaceFile(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> temporary = WriteTemporaryFile(path, bytes);
    if (!temporary) return false;
    if (CommitFile(*temporary, path)) return true;
    DeleteFile(*temporary);
    return false;
  }
};

}  // namespace quillet
