#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/DayInfoFormat.h"
#include "storage/DataFileKeeper.h"

namespace quillet {

class Clock;
class FileSystem;

// "CalendarSkin\DayInfo.dat" in the folder of the files kept beside the program.
std::string DayInfoPath(std::string_view userFilesFolder);

constexpr const char* kCalendarSkinFolder = "CalendarSkin";
constexpr const char* kDayInfoFileName = "DayInfo.dat";

enum class DayInfoReadStatus {
  Loaded,
  NotFound,    // no file: the list is empty; the first write creates it
  Unreadable,  // there but not readable: the list is untouched and the file never written this
               // session (writes go beside it)
};

struct DayInfoReadResult {
  DayInfoReadStatus status = DayInfoReadStatus::NotFound;
  // Lines a rewrite would drop. When there are any the file counts as damaged and a copy is
  // kept aside before the first write replaces it.
  std::vector<SkippedDayInfoLine> skipped;
};

enum class DayInfoWriteStatus {
  Saved,
  Failed,          // the file could not be replaced (or kept aside) and is as it was; the records
                   // are only in memory
  SavedElsewhere,  // the file could not be read this session, so it is left alone; the records
                   // went to `unsaved`
  Refused,         // a record would not read back; nothing was touched (see `error`)
};

struct DayInfoWriteResult {
  DayInfoWriteStatus status = DayInfoWriteStatus::Failed;
  std::string error;          // for Refused: names the record
  std::string keptAsidePath;  // where a copy of the damaged file went, when it was made now
  UnsavedFile unsaved;        // for SavedElsewhere
};

// Reads and writes the calendar's anniversary file. It remembers, for the session, whether the
// file could not be read (never written) and whether it was damaged (a copy kept once).
class DayInfoStore {
 public:
  DayInfoStore(FileSystem& files, const Clock& clock, std::string path);

  DayInfoReadResult Read(std::vector<DayInfoRecord>& records);
  // The whole list, replacing the file in one step.
  DayInfoWriteResult Write(const std::vector<DayInfoRecord>& records);

  const std::string& path() const { return path_; }

 private:
  FileSystem& files_;
  std::string path_;
  DataFileKeeper keeper_;
};

// One more than the largest identifier, for an entry added after loading.
int NextDayInfoIdentifier(const std::vector<DayInfoRecord>& records);

}  // namespace quillet
