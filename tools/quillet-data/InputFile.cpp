#include "InputFile.h"

#include <fstream>
#include <iterator>

namespace quillet {

std::optional<std::string> ReadInputFile(const std::filesystem::path& name) {
  std::ifstream file(name, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

}  // namespace quillet
