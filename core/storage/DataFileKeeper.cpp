#include "storage/DataFileKeeper.h"

#include <cstdio>

#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

// "<path>.<tag>-YYYYMMDD-HHMMSS", or with "-2", "-3", ... when that is taken: never an existing file.
std::optional<std::string> FreeStampedName(const FileSystem& files, const std::string& path, const char* tag,
                                           const LocalTime& now) {
  char stamp[80];
  std::snprintf(stamp, sizeof stamp, ".%s-%04d%02d%02d-%02d%02d%02d", tag, now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  const std::string base = path + stamp;
  constexpr int kAttempts = 100;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    std::string name = attempt == 1 ? base : base + '-' + std::to_string(attempt);
    if (!files.FileExists(name)) return name;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteUnsavedCopy(FileSystem& files, const Clock& clock, const std::string& path,
                                            std::string_view bytes) {
  std::optional<std::string> target = FreeStampedName(files, path, "unsaved", clock.Now());
  if (!target || !files.ReplaceFile(*target, bytes)) return std::nullopt;
  return target;
}

DataFileKeeper::DataFileKeeper(FileSystem& files, const Clock& clock) : files_(files), clock_(clock) {}

void DataFileKeeper::Note(const std::string& path, FileCondition condition) {
  entries_[PathKey(path)].condition = condition;
}

bool DataFileKeeper::IsUnreadable(const std::string& path) const {
  const auto entry = entries_.find(PathKey(path));
  return entry != entries_.end() && entry->second.condition == FileCondition::Unreadable;
}

void DataFileKeeper::Moved(const std::string& from, const std::string& to) {
  const auto entry = entries_.find(PathKey(from));
  if (entry == entries_.end()) return;
  Entry moved = std::move(entry->second);
  entries_.erase(entry);
  entries_[PathKey(to)] = std::move(moved);
}

FileWriteOutcome DataFileKeeper::Write(const std::string& path, std::string_view bytes) {
  Entry& entry = entries_[PathKey(path)];
  if (entry.condition == FileCondition::Unreadable) return WriteElsewhere(entry, path, bytes);
  FileWriteOutcome outcome;
  const std::optional<std::string> temporary = files_.WriteTemporaryFile(path, bytes);
  if (!temporary) return outcome;
  if (entry.condition == FileCondition::Damaged && files_.FileExists(path)) {
    const std::optional<std::string> aside = FreeStampedName(files_, path, "damaged", clock_.Now());
    if (!aside || !files_.CopyFile(path, *aside)) {
      files_.DeleteFile(*temporary);
      return outcome;
    }
    outcome.keptAsidePath = *aside;
  }
  if (!files_.CommitFile(*temporary, path)) {
    files_.DeleteFile(*temporary);
    // The damaged file is still in place and will be copied again by the next try.
    if (!outcome.keptAsidePath.empty()) files_.DeleteFile(outcome.keptAsidePath);
    outcome.keptAsidePath.clear();
    return outcome;
  }
  entry.condition = FileCondition::Sound;
  outcome.status = FileWriteStatus::Saved;
  return outcome;
}

FileWriteOutcome DataFileKeeper::WriteElsewhere(Entry& entry, const std::string& path, std::string_view bytes) {
  FileWriteOutcome outcome;
  const bool first = entry.unsavedPath.empty();
  const std::optional<std::string> target =
      first ? FreeStampedName(files_, path, "unsaved", clock_.Now()) : entry.unsavedPath;
  if (!target || !files_.ReplaceFile(*target, bytes)) return outcome;
  entry.unsavedPath = *target;
  outcome.status = FileWriteStatus::SavedElsewhere;
  outcome.unsaved = UnsavedFile{*target, first};
  return outcome;
}

}  // namespace quillet
