#include "HostFile.h"

#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"

bool ReplaceHostFile(const std::filesystem::path& path, std::string_view bytes) {
  // The program's own file system port, which names files in CP949.
  const auto name = quillet::win::NarrowToCp949Exactly(path.wstring());
  if (!name) return false;
  quillet::win::Win32FileSystem files;
  return files.ReplaceFile(*name, bytes);
}
