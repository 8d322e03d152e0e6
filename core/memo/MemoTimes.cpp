#include "memo/MemoTimes.h"

#include <algorithm>
#include <cstdio>

#include "memo/RecycleBin.h"
#include "ports/FileSystem.h"
#include "storage/Paths.h"

namespace quillet {

std::string ContentFileNameAt(const LocalTime& t) {
  char name[64];
  std::snprintf(name, sizeof name, "%2d%02d%02d%02d%02d%02d%03d.rtf", t.year, t.month, t.day, t.hour, t.minute,
                t.second, t.millisecond);
  return name;
}

std::string FreeContentFileName(const FileSystem& files, const std::string& folder, const LocalTime& now,
                                const std::vector<std::string>& taken) {
  const std::string first = ContentFileNameAt(now);
  const std::string stem = first.substr(0, first.size() - 4);
  auto isTaken = [&](const std::string& name) {
    const std::string key = PathKey(name);
    return std::any_of(taken.begin(), taken.end(), [&](const std::string& t) { return PathKey(t) == key; }) ||
           files.FileExists(folder + name) || files.FileExists(folder + DeletedName(name));
  };
  if (stem.find_first_not_of("0123456789") != std::string::npos) return first;
  unsigned long long stamp = std::stoull(stem);
  constexpr int kAttempts = 1000;
  for (int attempt = 0; attempt < kAttempts; ++attempt, ++stamp) {
    std::string name = std::to_string(stamp) + ".rtf";
    if (!isTaken(name)) return name;
  }
  return first;
}

std::string TimeText(const LocalTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%4d-%d-%d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
  return text;
}

std::string FileTimeText(const FileSystem& files, const std::string& path, const LocalTime& now) {
  const std::optional<FileStatus> status = files.Status(path);
  return TimeText(status ? status->modified : now);
}

}  // namespace quillet
