// Any bytes as "QuilletDB.xml" beside the program: loading, saving and loading again must
// neither crash nor lose the portable mode the file asked for.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "settings/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  const std::string program = "C:\\Quillet\\";
  testing::MemoryFileSystem files;
  files.AddFolder(program);
  files.AddFile(program + "QuilletDB.xml", std::string(reinterpret_cast<const char*>(data), size));
  testing::MemorySettingsBackend registry;
  testing::FixedClock clock;
  const SettingsEnvironment environment{program, "", 2};
  SettingsStore first(files, registry, clock, environment, nullptr);
  first.LoadAll();
  const bool portable = first.IsPortable();
  if (!first.SaveAll()) __builtin_trap();
  SettingsStore second(files, registry, clock, environment, nullptr);
  second.LoadAll();
  if (second.IsPortable() != portable) __builtin_trap();
  return 0;
}
