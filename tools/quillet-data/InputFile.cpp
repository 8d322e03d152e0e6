#include "InputFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace quillet {

std::optional<std::string> ReadInputFile(const std::filesystem::path& name) {
  std::ifstream file(name, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadStandardInput() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);  // no CR LF translation, no stop at ^Z
#endif
  std::string bytes;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) bytes.append(buffer, got);
  if (std::ferror(stdin)) return std::nullopt;
  return bytes;
}

}  // namespace quillet
