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
  // Writes a temporary file beside the target, flushes it and moves it over the target,
  // so that the old contents survive any failure. False when the new contents are not in place.
  virtual bool ReplaceFile(const std::string& path, std::string_view bytes) = 0;
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
};

}  // namespace quillet
