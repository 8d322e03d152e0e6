#include "memo/ClickedAddress.h"

#include <vector>

#include "ports/FileSystem.h"

namespace quillet {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrailByte(unsigned char c) { return (c >= 0x41 && c <= 0x5A) || (c >= 0x61 && c <= 0x7A) || c >= 0x81; }
bool IsSeparator(char c) { return c == ' ' || c == '\r' || c == '\n'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Byte offsets of the characters, with the end of the text last.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(i);
    const bool pair = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
                      IsTrailByte(static_cast<unsigned char>(text[i + 1]));
    i += pair ? 2 : 1;
  }
  starts.push_back(text.size());
  return starts;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// RFC 3986 scheme of two characters or more (one letter is a drive), "://" and something after.
bool IsSchemeUrl(std::string_view word) {
  const std::size_t colon = word.find("://");
  if (colon == std::string_view::npos || colon < 2 || colon + 3 == word.size()) return false;
  if (!IsAsciiLetter(word[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = word[i];
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

bool IsAbsolutePath(std::string_view word) {
  const bool drive = word.size() >= 3 && IsAsciiLetter(word[0]) && word[1] == ':' && (word[2] == '\\' || word[2] == '/');
  const bool unc = word.size() > 2 && word[0] == '\\' && word[1] == '\\';
  return drive || unc;
}

}  // namespace

std::string WordAt(std::string_view text, std::size_t offset) {
  const std::vector<std::size_t> starts = CharacterStarts(text);
  const std::size_t count = starts.size() - 1;
  std::size_t at = 0;
  while (at < count && starts[at + 1] <= offset) ++at;
  std::size_t first = at;
  while (at - first < kClickReach && first > 0 && !IsSeparator(text[starts[first - 1]])) --first;
  std::size_t last = at;
  while (last - at < kClickReach && last < count && !IsSeparator(text[starts[last]])) ++last;
  return std::string(text.substr(starts[first], starts[last] - starts[first]));
}

std::optional<std::string> AddressToOpen(std::string_view word, const FileSystem& files) {
  if (IsSchemeUrl(word)) return std::string(word);
  if (StartsWithNoCase(word, "mailto:") && word.size() > 7) return std::string(word);
  if (StartsWithNoCase(word, "www.") && word.size() > 4) return "http://" + std::string(word);
  if (IsAbsolutePath(word)) {
    const std::string path(word);
    if (files.FileExists(path) || files.FolderExists(path)) return path;
  }
  return std::nullopt;
}

}  // namespace quillet
