#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/DayInfoFormat.h"

namespace quillet {

class Clock;
class FileSystem;

// "CalendarSkin\DayInfo.dat" in the program folder.
std::string DayInfoPath(std::string_view programFolder);

constexpr const char* kDayInfoFileName = "DayInfo.dat";

enum class DayInfoReadStatus {
  Loaded,
  NotFound,    // no file: the list is empty; the first write creates it
  Unreadable,  // there but not readable: the list is untouched and the file never written this session
};

struct DayInfoReadResult {
  DayInfoReadStatus status = DayInfoReadStatus::NotFound;
  // Lines a rewrite would drop. When there are any the file counts as damaged and is kept
  // aside before the first write replaces it.
  std::vector<SkippedDayInfoLine> skipped;
};

enum class DayInfoWriteStatus {
  Saved,
  Failed,     // the file could not be replaced (or kept aside) and is as it was; the records
              // are only in memory
  Protected,  // the file could not be read this session, so it is left alone
  Refused,    // a record would not read back; nothing was touched (see `error`)
};

struct DayInfoWriteResult {
  DayInfoWriteStatus status = DayInfoWriteStatus::Failed;
  std::string error;          // for Refused: names the record
  std::string keptAsidePath;  // where the damaged file went, when it was moved now
};

// Reads and writes the calendar's anniversary file. It remembers, for the session, whether the
// file could not be read (never written) and whether it was damaged (kept aside once).
class DayInfoStore {
 public:
  DayInfoStore(FileSystem& files, const Clock& clock, std::string path);

  DayInfoReadResult Read(std::vector<DayInfoRecord>& records);
  // The whole list, replacing the file in one step.
  DayInfoWriteResult Write(const std::vector<DayInfoRecord>& records);

  const std::string& path() const { return path_; }

 private:
  FileSystem& files_;
  const Clock& clock_;
  std::string path_;
  bool unreadable_ = false;
  bool damaged_ = false;
};

// One more than the largest identifier, for an entry added after loading.
int NextDayInfoIdentifier(const std::vector<DayInfoRecord>& records);

}  // namespace quillet
