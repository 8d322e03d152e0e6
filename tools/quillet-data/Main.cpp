// quillet-data: reads the program's data files for inspection and recovery.
#include <cstdio>
#include <filesystem>
#include <vector>

#include "DumpMemoList.h"
#include "HostTextCodec.h"
#include "InputFile.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using Arguments = std::vector<std::filesystem::path>;

constexpr const char* kUsage =
    "usage: quillet-data dump FILE\n"
    "  dump   print a memo list file (.qld, RecycleBin.qlr, memolist160, memolist) as JSON\n";

int Dump(const std::filesystem::path& name) {
  const std::optional<std::string> bytes = quillet::ReadInputFile(name);
  if (!bytes) {
    std::fprintf(stderr, "quillet-data: cannot read %s\n", name.u8string().c_str());
    return 1;
  }
  const quillet::DumpResult result = quillet::DumpMemoList(*bytes, *MakeHostTextCodec());
  std::fwrite(result.json.data(), 1, result.json.size(), stdout);
  if (result.error.empty()) return 0;
  std::fprintf(stderr, "quillet-data: %s: %s\n", name.u8string().c_str(), result.error.c_str());
  return 1;
}

int Run(const Arguments& arguments) {
  if (arguments.size() == 2 && arguments[0] == "dump") return Dump(arguments[1]);
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  return Run(Arguments(argv + 1, argv + argc));
}
#else
int main(int argc, char** argv) { return Run(Arguments(argv + 1, argv + argc)); }
#endif
