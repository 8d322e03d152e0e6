// Any bytes as the launcher's entries file: whatever is read must be written and read back as
// the same entries, with nothing dropped the second time.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "launcher/LauncherFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  testing::MemoryFileSystem files;
  testing::FixedClock clock;
  const std::string path = "C:\\Quillet\\Rauncher00.xml";
  files.AddFolder("C:\\Quillet");
  files.AddFile(path, std::string(reinterpret_cast<const char*>(data), size));
  LauncherFile file(files, clock, path);
  std::vector<LauncherEntry> entries;
  file.Read(entries);
  if (entries.size() > kMaxLauncherEntries) __builtin_trap();
  if (file.Write(entries).status != FileWriteStatus::Saved) __builtin_trap();

  LauncherFile again(files, clock, path);
  std::vector<LauncherEntry> reread;
  if (again.Read(reread) != LauncherReadStatus::Loaded || reread != entries) __builtin_trap();
  return 0;
}
