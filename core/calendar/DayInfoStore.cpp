#include "calendar/DayInfoStore.h"

#include <algorithm>

#include "ports/FileSystem.h"
#include "storage/Paths.h"

namespace quillet {

std::string DayInfoPath(std::string_view userFilesFolder) {
  return NormaliseFolder(userFilesFolder) + kCalendarSkinFolder + "\\" + kDayInfoFileName;
}

DayInfoStore::DayInfoStore(FileSystem& files, const Clock& clock, std::string path)
    : files_(files), path_(std::move(path)), keeper_(files, clock) {}

DayInfoReadResult DayInfoStore::Read(std::vector<DayInfoRecord>& records) {
  DayInfoReadResult result;
  std::string bytes;
  switch (files_.ReadFile(path_, bytes)) {
    case ReadOutcome::Missing:
      keeper_.Note(path_, FileCondition::Sound);
      records.clear();
      result.status = DayInfoReadStatus::NotFound;
      return result;
    case ReadOutcome::Unreadable:
      keeper_.Note(path_, FileCondition::Unreadable);
      result.status = DayInfoReadStatus::Unreadable;
      return result;
    case ReadOutcome::Ok:
      break;
  }
  ParsedDayInfo parsed = ParseDayInfo(bytes);
  keeper_.Note(path_, parsed.skipped.empty() ? FileCondition::Sound : FileCondition::Damaged);
  records = std::move(parsed.records);
  result.skipped = std::move(parsed.skipped);
  result.status = DayInfoReadStatus::Loaded;
  return result;
}

DayInfoWriteResult DayInfoStore::Write(const std::vector<DayInfoRecord>& records) {
  DayInfoWriteResult result;
  // Checked before anything is written, so a refused list leaves the disk as it was.
  FormattedDayInfo text = FormatDayInfo(records);
  if (text.refused) {
    result.status = DayInfoWriteStatus::Refused;
    result.error = std::move(text.error);
    return result;
  }
  // The skin folder normally exists; without it the file could not be created at all.
  const std::size_t slash = path_.find_last_of('\\');
  if (slash != std::string::npos && slash > 0) {
    const std::string folder = path_.substr(0, slash);
    if (!files_.FolderExists(folder)) files_.CreateFolder(folder);
  }
  FileWriteOutcome written = keeper_.Write(path_, text.bytes);
  switch (written.status) {
    case FileWriteStatus::Saved: result.status = DayInfoWriteStatus::Saved; break;
    case FileWriteStatus::SavedElsewhere: result.status = DayInfoWriteStatus::SavedElsewhere; break;
    case FileWriteStatus::Failed: result.status = DayInfoWriteStatus::Failed; break;
  }
  result.keptAsidePath = std::move(written.keptAsidePath);
  result.unsaved = std::move(written.unsaved);
  return result;
}

int NextDayInfoIdentifier(const std::vector<DayInfoRecord>& records) {
  int largest = 0;
  for (const DayInfoRecord& r : records) largest = std::max(largest, r.identifier);
  return largest + 1;
}

}  // namespace quillet
