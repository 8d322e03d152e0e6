#include "launcher/ProgramCommand.h"

#include <cctype>

namespace quillet {

namespace {

constexpr std::string_view kProgramFilesVariable = "%ProgramFiles%";

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string UnquotedProgramPath(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  return std::string(text);
}

std::string BrowserProgram(std::string_view appPathsValue, std::string_view programFilesDir) {
  // A match starts at '%', never part of a double-byte character, and holds only ASCII bytes, so
  // searching byte by byte cannot match inside a Korean character.
  const std::string path = UnquotedProgramPath(appPathsValue);
  std::string result;
  std::size_t i = 0;
  while (i < path.size()) {
    if (SameLetters(std::string_view(path).substr(i, kProgramFilesVariable.size()), kProgramFilesVariable)) {
      result += programFilesDir;
      i += kProgramFilesVariable.size();
    } else {
      result += path[i++];
    }
  }
  return result;
}

std::optional<std::string> BrowserCommandLine(std::string_view program, std::string_view address) {
  if (program.empty() || program.find('"') != std::string_view::npos ||
      address.find('"') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string line = '"' + std::string(program) + '"';
  if (!address.empty()) line += " \"" + std::string(address) + '"';
  return line;
}

}  // namespace quillet
