#include "memo/MemoTimes.h"

#include <cstdio>

#include "ports/FileSystem.h"

namespace quillet {

std::string ContentFileNameAt(const LocalTime& t) {
  char name[64];
  std::snprintf(name, sizeof name, "%2d%02d%02d%02d%02d%02d%03d.rtf", t.year, t.month, t.day, t.hour, t.minute,
                t.second, t.millisecond);
  return name;
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
