#include "memo/TitleFont.h"

#include <array>

#include "text/Numbers.h"

namespace quillet {

namespace {

constexpr int kNumberFields = 5;
constexpr int kBoldWeight = 700;
constexpr int kRegularWeight = 400;
// Semi-bold and heavier look bold; a regular font must not come back bold after a save.
constexpr int kLightestBoldWeight = 600;

}  // namespace

TitleFont ParseTitleFont(std::string_view text) {
  std::array<std::string_view, kNumberFields> numbers;
  std::size_t start = 0;
  for (std::string_view& field : numbers) {
    const std::size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) return TitleFont{};
    field = text.substr(start, bar - start);
    start = bar + 1;
  }
  const std::string_view face = text.substr(start);
  if (face.empty()) return TitleFont{};
  TitleFont font;
  font.color = static_cast<std::uint32_t>(ParseIntLikeAtoi(numbers[0]));
  font.italic = ParseIntLikeAtoi(numbers[1]) != 0;
  font.underline = ParseIntLikeAtoi(numbers[2]) != 0;
  font.weight = ParseIntLikeAtoi(numbers[3]) != 0 ? kBoldWeight : kRegularWeight;
  font.height = ParseIntLikeAtoi(numbers[4]);
  font.face = std::string(face);
  return font;
}

std::string FormatTitleFont(const TitleFont& font) {
  return std::to_string(static_cast<std::int32_t>(font.color)) + '|' + (font.italic ? "1" : "0") + '|' +
         (font.underline ? "1" : "0") + '|' + (font.weight >= kLightestBoldWeight ? "1" : "0") + '|' + std::to_string(font.height) +
         '|' + font.face;
}

}  // namespace quillet
