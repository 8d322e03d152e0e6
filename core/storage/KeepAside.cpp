#include "storage/KeepAside.h"

#include <cstdio>

#include "ports/FileSystem.h"

namespace quillet {

std::optional<std::string> KeepDamagedFileAside(FileSystem& files, const std::string& path, const LocalTime& now) {
  char stamp[48];
  std::snprintf(stamp, sizeof stamp, ".damaged-%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  const std::string base = path + stamp;
  constexpr int kAttempts = 100;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    const std::string target = attempt == 1 ? base : base + '-' + std::to_string(attempt);
    if (files.FileExists(target)) continue;
    if (!files.MoveFile(path, target)) break;
    return target;
  }
  return std::nullopt;
}

}  // namespace quillet
