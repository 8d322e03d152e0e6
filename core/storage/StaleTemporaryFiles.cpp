#include "storage/StaleTemporaryFiles.h"

#include <string_view>

#include "ports/FileSystem.h"
#include "storage/Paths.h"
#include "time/Gregorian.h"

namespace quillet {

namespace {

constexpr long long kStaleMinutes = 60;

long long MinutesOf(const LocalTime& t) {
  return DaysSinceEpoch(CivilDate{t.year, t.month, t.day}) * 24 * 60 + t.hour * 60 + t.minute;
}

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "<name>.<process>-<counter>.tmp", as a write names the file it commits.
bool IsWriteTemporaryName(std::string_view name) {
  constexpr std::string_view kExtension = ".tmp";
  if (name.size() <= kExtension.size() || name.substr(name.size() - kExtension.size()) != kExtension) return false;
  name.remove_suffix(kExtension.size());
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  const std::string_view stamp = name.substr(dot + 1);
  const std::size_t dash = stamp.find('-');
  return dash != std::string_view::npos && IsDigits(stamp.substr(0, dash)) && IsDigits(stamp.substr(dash + 1));
}

}  // namespace

int RemoveStaleTemporaryFiles(FileSystem& files, const std::string& folder, const LocalTime& now) {
  if (folder.empty()) return 0;
  const std::string base = NormaliseFolder(folder);
  int removed = 0;
  for (const FolderEntry& entry : files.ListFiles(base, "*.tmp")) {
    if (!IsWriteTemporaryName(entry.name) || MinutesOf(now) - MinutesOf(entry.modified) <= kStaleMinutes) continue;
    if (files.DeleteFile(base + entry.name)) ++removed;
  }
  return removed;
}

}  // namespace quillet
