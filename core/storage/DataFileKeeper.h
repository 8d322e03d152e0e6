#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

class Clock;
class FileSystem;

// The longest name a write makes beside a data file: ".unsaved-YYYYMMDD-HHMMSS-100" (a
// temporary file's ".PID-N.tmp" is shorter). A new file's name leaves room for it in the path.
constexpr std::size_t kLongestSideSuffix = 28;

// What the last read of a data file found.
enum class FileCondition {
  Sound,
  Damaged,     // damaged, foreign or over-full: a copy is kept aside before it is replaced
  Unreadable,  // there but not readable: never written over this session
};

enum class FileWriteStatus {
  Saved,
  SavedElsewhere,  // the file could not be read this session and is left alone; the data went
                   // to its unsaved file (`FileWriteOutcome::unsaved`)
  Failed,          // nothing changed at the path; the data are only in memory
};

// Where the data of a file that is left alone went instead.
struct UnsavedFile {
  std::string path;    // "<name>.unsaved-YYYYMMDD-HHMMSS": one per file and session, rewritten
  bool first = false;  // this write made it: the one time to tell the user where it is
};

struct FileWriteOutcome {
  FileWriteStatus status = FileWriteStatus::Failed;
  std::string keptAsidePath;  // the copy of a damaged file this write made
  UnsavedFile unsaved;        // for SavedElsewhere
};

// Writes the data files so that no failure at any step leaves a path without its file, and
// remembers for the session what each file's last read found.
class DataFileKeeper {
 public:
  DataFileKeeper(FileSystem& files, const Clock& clock);

  void Note(const std::string& path, FileCondition condition);
  bool IsUnreadable(const std::string& path) const;
  // The file was renamed: what its last read found goes with it.
  void Moved(const std::string& from, const std::string& to);
  // The new file is written beside the path first. A damaged file is then copied to
  // "<name>.damaged-YYYYMMDD-HHMMSS" ("-2", "-3", ... when taken) and replaced in one move; an
  // unreadable one stays as it is. Whatever fails, the files this call made are removed again.
  FileWriteOutcome Write(const std::string& path, std::string_view bytes);

 private:
  struct Entry {
    FileCondition condition = FileCondition::Sound;
    std::string unsavedPath;
  };

  FileWriteOutcome WriteElsewhere(Entry& entry, const std::string& path, std::string_view bytes);

  FileSystem& files_;
  const Clock& clock_;
  std::map<std::string, Entry> entries_;  // by PathKey
};

// The last resort when `path` cannot be written and nobody can be asked (Windows is ending the
// session): the bytes go to a new "<name>.unsaved-YYYYMMDD-HHMMSS" beside it. The name written.
std::optional<std::string> WriteUnsavedCopy(FileSystem& files, const Clock& clock, const std::string& path,
                                            std::string_view bytes);

}  // namespace quillet
