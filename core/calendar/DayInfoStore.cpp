#include "calendar/DayInfoStore.h"

#include <algorithm>
#include <optional>

#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "storage/KeepAside.h"
#include "storage/Paths.h"

namespace quillet {

std::string DayInfoPath(std::string_view programFolder) {
  return NormaliseFolder(programFolder) + "CalendarSkin\\" + kDayInfoFileName;
}

DayInfoStore::DayInfoStore(FileSystem& files, const Clock& clock, std::string path)
    : files_(files), clock_(clock), path_(std::move(path)) {}

DayInfoReadResult DayInfoStore::Read(std::vector<DayInfoRecord>& records) {
  DayInfoReadResult result;
  std::string bytes;
  switch (files_.ReadFile(path_, bytes)) {
    case ReadOutcome::Missing:
      unreadable_ = false;
      damaged_ = false;
      records.clear();
      result.status = DayInfoReadStatus::NotFound;
      return result;
    case ReadOutcome::Unreadable:
      unreadable_ = true;
      result.status = DayInfoReadStatus::Unreadable;
      return result;
    case ReadOutcome::Ok:
      break;
  }
  unreadable_ = false;
  ParsedDayInfo parsed = ParseDayInfo(bytes);
  damaged_ = !parsed.skipped.empty();
  records = std::move(parsed.records);
  result.skipped = std::move(parsed.skipped);
  result.status = DayInfoReadStatus::Loaded;
  return result;
}

DayInfoWriteResult DayInfoStore::Write(const std::vector<DayInfoRecord>& records) {
  DayInfoWriteResult result;
  if (unreadable_) {
    result.status = DayInfoWriteStatus::Protected;
    return result;
  }
  // Checked before anything moves, so a refused list leaves the disk as it was.
  FormattedDayInfo text = FormatDayInfo(records);
  if (text.refused) {
    result.status = DayInfoWriteStatus::Refused;
    result.error = std::move(text.error);
    return result;
  }
  if (damaged_ && files_.FileExists(path_)) {
    const std::optional<std::string> aside = KeepDamagedFileAside(files_, path_, clock_.Now());
    if (!aside) {
      result.status = DayInfoWriteStatus::Failed;
      return result;
    }
    result.keptAsidePath = *aside;
  }
  damaged_ = false;
  // The skin folder normally exists; without it the file could not be created at all.
  const std::size_t slash = path_.find_last_of('\\');
  if (slash != std::string::npos && slash > 0) {
    const std::string folder = path_.substr(0, slash);
    if (!files_.FolderExists(folder)) files_.CreateFolder(folder);
  }
  if (files_.ReplaceFile(path_, text.bytes)) {
    result.status = DayInfoWriteStatus::Saved;
    return result;
  }
  result.status = DayInfoWriteStatus::Failed;
  // Nothing took the file's place: put the damaged one back, to be kept aside at the next try.
  if (!result.keptAsidePath.empty() && files_.MoveFile(result.keptAsidePath, path_)) {
    result.keptAsidePath.clear();
    damaged_ = true;
  }
  return result;
}

int NextDayInfoIdentifier(const std::vector<DayInfoRecord>& records) {
  int largest = 0;
  for (const DayInfoRecord& r : records) largest = std::max(largest, r.identifier);
  return largest + 1;
}

}  // namespace quillet
