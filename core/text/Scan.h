#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// Reads blank-separated fields the way sscanf's "%d" and "%s" do.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // False when no integer starts at the next non-blank character. Out-of-range values saturate.
  bool Int(int& value);
  // A run of non-blank characters; false when only blanks remain.
  bool Word(std::string& word);

 private:
  void SkipBlanks();

  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace quillet
