#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "HostFile.h"

namespace {

bool WriteAll(int file, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(file, bytes.data(), bytes.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

}  // namespace

bool ReplaceHostFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::string target = path.string();
  if (target.empty()) return false;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string temporary = target + '.' + std::to_string(getpid()) + '-' + std::to_string(attempt) + ".tmp";
    // O_EXCL: never write into a file someone else is making.
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0 && errno == EEXIST) continue;
    if (file < 0) return false;
    bool ok = WriteAll(file, bytes) && fsync(file) == 0;
    ok = close(file) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
  }
  return false;
}
