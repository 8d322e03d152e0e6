// Any bytes as a memo list the uninstaller reads: it must stay within the input, and every name
// it finds must be what it then deletes when the name is a content file's.
#include <cstddef>
#include <cstdint>
#include <string>

#include "rules/UninstallRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace unquill;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto names = ContentFilesOfList(bytes);
  if (!names) return 0;

  std::vector<DataFolderFile> files = {{"DefaultMemo.qld", bytes}};
  std::size_t total = 0;
  for (const std::string& name : *names) {
    total += name.size();
    if (name.empty() || total > size || ListedNameKey(name).size() != name.size()) __builtin_trap();
    files.push_back({name, ""});
  }
  const std::vector<std::string> doomed = ProgramFilesToDelete(files);
  if (doomed.empty() || doomed.front() != "DefaultMemo.qld") __builtin_trap();
  std::size_t next = 1;
  for (std::size_t i = 1; i < files.size(); ++i) {
    const std::string key = ListedNameKey(files[i].name);
    const bool content = key.size() >= 4 && (key.compare(key.size() - 4, 4, ".rtf") == 0 ||
                                            key.compare(key.size() - 4, 4, ".brt") == 0);
    if (content && (next >= doomed.size() || doomed[next] != files[i].name)) __builtin_trap();
    if (next < doomed.size() && doomed[next] == files[i].name) ++next;
  }
  if (next != doomed.size()) __builtin_trap();
  return 0;
}
