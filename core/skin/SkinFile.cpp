#include "skin/SkinFile.h"

#include <algorithm>

#include "text/Numbers.h"

namespace quillet {

namespace {

constexpr std::size_t kMaxLineLength = 1023;

// Trailing (or leading) characters of the set, in any mix.
void TrimRight(std::string& text, std::string_view set) {
  while (!text.empty() && set.find(text.back()) != std::string_view::npos) text.pop_back();
}

void TrimLeft(std::string& text, std::string_view set) {
  std::size_t start = 0;
  while (start < text.size() && set.find(text[start]) != std::string_view::npos) ++start;
  text.erase(0, start);
}

void Note(SkinIssues* issues, int line, std::string text) {
  if (issues) issues->push_back({line, std::move(text)});
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// sscanf's "%02x": blanks skipped, then at most two hexadecimal digits; false when none.
bool ScanHexPair(std::string_view text, std::size_t& at, int& value) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  int digits = 0;
  value = 0;
  while (digits < 2 && at < text.size() && HexDigit(text[at]) >= 0) {
    value = value * 16 + HexDigit(text[at++]);
    ++digits;
  }
  return digits > 0;
}

}  // namespace

const std::string* SkinSection::Find(const std::string& key) const {
  const auto found = values_.find(key);
  return found == values_.end() ? nullptr : &found->second;
}

std::string SkinSection::String(const std::string& key, std::string_view fallback) const {
  const std::string* value = Find(key);
  if (!value) return std::string(fallback);
  std::string text = *value;
  TrimRight(text, "\"");
  TrimLeft(text, "\"");
  return text;
}

int SkinSection::Int(const std::string& key, int fallback) const {
  const std::string* value = Find(key);
  return value ? ParseIntLikeAtoi(*value) : fallback;
}

float SkinSection::Real(const std::string& key, float fallback) const {
  const std::string* value = Find(key);
  return value ? static_cast<float>(ParseDoubleLikeAtof(*value)) : fallback;
}

Argb SkinSection::Color(const std::string& key, Argb fallback) const {
  const std::string* value = Find(key);
  return value ? ParseSkinColor(*value) : fallback;
}

Argb ParseSkinColor(std::string_view text) {
  int component[4] = {255, 255, 255, 255};
  if (text.find(',') != std::string_view::npos) {
    int field = 0;
    std::size_t start = 0;
    while (field < 4 && start <= text.size()) {
      const std::size_t comma = text.find(',', start);
      const std::string_view piece = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
      if (!piece.empty()) component[field++] = ParseIntLikeAtoi(piece);
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  } else {
    const bool withAlpha = text.size() > 6 && !IsSpace(text[6]);
    std::size_t at = 0;
    const int count = withAlpha ? 4 : 3;
    for (int i = 0; i < count; ++i) {
      if (!ScanHexPair(text, at, component[i])) break;
    }
  }
  const auto byte = [](int value) { return static_cast<Argb>(value) & 0xFF; };
  return byte(component[3]) << 24 | byte(component[0]) << 16 | byte(component[1]) << 8 | byte(component[2]);
}

bool IsWellFormedSkinColor(std::string_view text) {
  if (text.find(',') != std::string_view::npos) {
    for (char c : text) {
      if (!(c == ',' || c == ' ' || c == '+' || c == '-' || (c >= '0' && c <= '9'))) return false;
    }
    return true;
  }
  if (text.size() != 6 && text.size() != 8) return false;
  for (char c : text) {
    if (HexDigit(c) < 0) return false;
  }
  return true;
}

SkinSection* SkinFile::FindSection(std::string_view name) {
  for (SkinSection& section : sections_) {
    if (section.name() == name) return &section;
  }
  return nullptr;
}

std::vector<SkinFile::Line> SkinFile::SplitLines(std::string_view text, std::size_t maxLength, SkinIssues* issues) {
  std::vector<Line> lines;
  int number = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t newline = text.find('\n', at);
    std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    if (end - at > maxLength) {
      end = at + maxLength;
      Note(issues, number + 1, "line longer than 1023 characters: the rest is read as a further line");
    }
    lines.push_back({std::string(text.substr(at, end - at)), ++number});
    at = end;
  }
  return lines;
}

void SkinFile::LoadFromFileBytes(std::string_view bytes, SkinIssues* issues) {
  // One read takes at most 1023 characters; the rest of a longer line is read as a further line.
  std::vector<Line> lines = SplitLines(bytes, kMaxLineLength, issues);
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [](const Line& line) { return line.text.size() < 2 || line.text[0] == '#'; }),
              lines.end());
  Parse(lines, issues);
}

void SkinFile::LoadFromText(std::string_view text, SkinIssues* issues) {
  Parse(SplitLines(text, std::string_view::npos, issues), issues);
}

void SkinFile::Parse(const std::vector<Line>& lines, SkinIssues* issues) {
  sections_.clear();
  std::size_t i = 0;
  while (i < lines.size() && lines[i].text[0] != '[') {
    Note(issues, lines[i].number, "line before the first section: ignored");
    ++i;
  }
  while (i < lines.size()) {
    std::string name = lines[i].text;
    TrimRight(name, "\n\r ]");
    TrimLeft(name, " [");
    const int headerLine = lines[i].number;
    ++i;
    SkinSection section(name, headerLine);
    for (; i < lines.size() && lines[i].text[0] != '['; ++i) {
      const std::string& line = lines[i].text;
      const std::size_t equals = line.find('=');
      if (equals == std::string::npos || equals == 0) {
        Note(issues, lines[i].number, "no key before \"=\": line skipped");
        continue;
      }
      std::string key = line.substr(0, equals);
      TrimRight(key, " ");
      TrimLeft(key, " ");
      std::string value = line.substr(equals + 1);
      TrimRight(value, "\n\r ");
      TrimLeft(value, " ");
      if (value.empty()) {
        Note(issues, lines[i].number, "key \"" + key + "\" has no value: line skipped");
        continue;
      }
      if (section.Has(key)) Note(issues, lines[i].number, "key \"" + key + "\" given again: this value wins");
      section.Set(std::move(key), std::move(value));
    }
    if (name.empty()) {
      Note(issues, headerLine, "section without a name: skipped");
    } else if (section.values().empty()) {
      Note(issues, headerLine, "section [" + name + "] has no keys: dropped");
    } else {
      sections_.push_back(std::move(section));
    }
  }
}

}  // namespace quillet
