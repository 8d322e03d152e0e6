#include "text/Scan.h"

#include "text/Numbers.h"

namespace quillet {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void Scanner::SkipBlanks() {
  while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
}

bool Scanner::Int(int& value) {
  SkipBlanks();
  std::size_t end = position_;
  if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
  const std::size_t digits = end;
  while (end < text_.size() && IsDigit(text_[end])) ++end;
  if (end == digits) return false;
  value = ParseIntLikeAtoi(text_.substr(position_, end - position_));
  position_ = end;
  return true;
}

bool Scanner::Word(std::string& word) {
  SkipBlanks();
  const std::size_t start = position_;
  while (position_ < text_.size() && !IsBlank(text_[position_])) ++position_;
  if (position_ == start) return false;
  word.assign(text_.substr(start, position_ - start));
  return true;
}

}  // namespace quillet
