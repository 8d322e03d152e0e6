#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "storage/DataFileKeeper.h"

namespace quillet {

class Clock;
class FileSystem;

constexpr std::size_t kMaxLauncherEntries = 200;

// One program of the launcher. The texts stay UTF-8 as the file holds them: a path may hold
// characters CP949 lacks.
struct LauncherEntry {
  std::string pathUtf8;
  std::string argumentsUtf8;
  std::string nameUtf8;  // empty: the window names the entry after its file

  friend bool operator==(const LauncherEntry& a, const LauncherEntry& b) {
    return a.pathUtf8 == b.pathUtf8 && a.argumentsUtf8 == b.argumentsUtf8 && a.nameUtf8 == b.nameUtf8;
  }
  friend bool operator!=(const LauncherEntry& a, const LauncherEntry& b) { return !(a == b); }
};

enum class LauncherReadStatus {
  Loaded,
  NotFound,    // no file: the list is empty; the first write creates it
  Damaged,     // not a launcher file, or holding what a rewrite would drop: the entries that
               // could be read are in the list, and a copy is kept aside before the first write
  Unreadable,  // there but not readable: the list is untouched and the file never written this
               // session (writes go beside it)
};

// False when the list is full or the entry cannot be stored: no path, or a text that is not
// UTF-8 or holds control characters.
bool AddLauncherEntry(std::vector<LauncherEntry>& entries, LauncherEntry entry);

// The launcher's entries file ("RauncherFile"): <Rauncher> with one <Item Path Arguments Name/>
// per entry, UTF-8, at most kMaxLauncherEntries items.
class LauncherFile {
 public:
  LauncherFile(FileSystem& files, const Clock& clock, std::string path);

  LauncherReadStatus Read(std::vector<LauncherEntry>& entries);
  // The whole list in one replace. Entries Add would refuse, and those past the limit, are left
  // out.
  FileWriteOutcome Write(const std::vector<LauncherEntry>& entries);

  const std::string& path() const { return path_; }

 private:
  FileSystem& files_;
  std::string path_;
  DataFileKeeper keeper_;
};

// The file's text for a list, and the entries of a text; `damaged` tells whether anything was
// dropped or the text is no launcher file at all.
std::string FormatLauncherFile(const std::vector<LauncherEntry>& entries);
std::vector<LauncherEntry> ParseLauncherFile(std::string_view bytes, bool& damaged);

}  // namespace quillet
