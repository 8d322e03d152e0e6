#include "memo/MemoMacro.h"

#include <cstdio>
#include <utility>

namespace quillet {
namespace {

constexpr const char* kShortWeekdays[] = {"일", "월", "화", "수", "목", "금", "토"};
constexpr const char* kLongWeekdays[] = {"일요일", "월요일", "화요일", "수요일", "목요일", "금요일", "토요일"};

std::string Digits(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

void ReplaceAll(std::string& text, std::string_view token, const std::string& value) {
  for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size())) {
    text.replace(at, token.size(), value);
  }
}

}  // namespace

std::string ExpandMacro(std::string_view format, const LocalTime& time) {
  const int weekday = time.weekday >= 0 && time.weekday < 7 ? time.weekday : 0;
  const std::pair<std::string_view, std::string> replacements[] = {
      {"%a", kShortWeekdays[weekday]},
      {"%A", kLongWeekdays[weekday]},
      {"%y", Digits(time.year % 100, 2)},
      {"%Y", Digits(time.year, 4)},
      {"%B", Digits(time.month, 2)},
      {"%d", Digits(time.day, 2)},
      {"%k", Digits(time.hour, 2)},
      {"%l", Digits(time.hour % 12, 2)},
      {"%M", Digits(time.minute, 2)},
      {"%S", Digits(time.second, 2)},
      {"%p", time.hour < 12 ? "오전" : "오후"},
  };
  std::string text(format);
  for (const auto& [token, value] : replacements) ReplaceAll(text, token, value);
  return text;
}

}  // namespace quillet
