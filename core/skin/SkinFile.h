#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ports/Canvas.h"

namespace quillet {

// Something the engine skips, for the skin authors' checking tool; the program passes no list
// and stays silent.
struct SkinIssue {
  int line = 0;  // 1-based line of the skin, 0 when none
  std::string text;
};
using SkinIssues = std::vector<SkinIssue>;

// One "[name]" of a skin with its keys. Within a section the last value of a key wins.
class SkinSection {
 public:
  explicit SkinSection(std::string name, int line = 0) : name_(std::move(name)), line_(line) {}

  const std::string& name() const { return name_; }
  int line() const { return line_; }
  bool Has(const std::string& key) const { return values_.count(key) != 0; }
  const std::unordered_map<std::string, std::string>& values() const { return values_; }
  void Set(std::string key, std::string value) { values_[std::move(key)] = std::move(value); }

  // The value with every leading and trailing run of double quotes removed.
  std::string String(const std::string& key, std::string_view fallback) const;
  // atoi of the raw value: quotes are not removed, so "5" in quotes reads 0.
  int Int(const std::string& key, int fallback) const;
  bool Bool(const std::string& key, bool fallback) const { return Int(key, fallback ? 1 : 0) != 0; }
  // atof of the raw value, kept as single precision.
  float Real(const std::string& key, float fallback) const;
  Argb Color(const std::string& key, Argb fallback) const;

 private:
  const std::string* Find(const std::string& key) const;

  std::string name_;
  int line_;
  std::unordered_map<std::string, std::string> values_;
};

// "r,g,b[,a]" (missing components 255) or hexadecimal "RRGGBB[AA]".
Argb ParseSkinColor(std::string_view text);
// Whether a colour text follows one of the two forms, for the checking tool.
bool IsWellFormedSkinColor(std::string_view text);

// A skin's sections in file order; names may repeat.
class SkinFile {
 public:
  // A skin file's bytes: lines of at most 1023 characters, comment ("#") and near-empty lines dropped.
  void LoadFromFileBytes(std::string_view bytes, SkinIssues* issues = nullptr);
  // A skin built in memory: every line kept.
  void LoadFromText(std::string_view text, SkinIssues* issues = nullptr);
  void Clear() { sections_.clear(); }

  const std::vector<SkinSection>& sections() const { return sections_; }
  std::vector<SkinSection>& sections() { return sections_; }
  // The first section of that name, or null.
  SkinSection* FindSection(std::string_view name);

 private:
  struct Line {
    std::string text;
    int number;
  };
  static std::vector<Line> SplitLines(std::string_view text, std::size_t maxLength, SkinIssues* issues);
  void Parse(const std::vector<Line>& lines, SkinIssues* issues);

  std::vector<SkinSection> sections_;
};

}  // namespace quillet
