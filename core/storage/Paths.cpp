#include "storage/Paths.h"

namespace quillet {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string CollapseBackslashes(std::string_view path) {
  std::string out;
  std::size_t start = 0;
  if (path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\') {
    out = "\\\\";
    start = 2;
  }
  for (std::size_t i = start; i < path.size(); ++i) {
    if (path[i] == '\\' && !out.empty() && out.back() == '\\') continue;
    out.push_back(path[i]);
  }
  return out;
}

std::string NormaliseFolder(std::string_view folder) {
  std::string out = CollapseBackslashes(folder);
  while (!out.empty() && out.back() == '\\') out.pop_back();
  if (out.empty()) return out;
  return out + '\\';
}

std::string_view FileNamePart(std::string_view path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderPart(std::string_view path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string PathKey(std::string_view path) {
  std::string key;
  key.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(path[i]);
    if (c >= 0x81 && i + 1 < path.size()) {
      key.push_back(path[i]);
      key.push_back(path[++i]);
    } else {
      key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : path[i]);
    }
  }
  return key;
}

bool IsPlainFileName(std::string_view name) {
  // No CP949 trail byte is one of these, so the bytes are tested one by one: a malformed pair
  // must not hide a separator.
  constexpr std::string_view kForbidden("\\/:\0", 4);
  return !name.empty() && name != "." && name != ".." && name.find_first_of(kForbidden) == std::string_view::npos;
}

}  // namespace quillet
