#include "memo/MemoColors.h"

#include <algorithm>

namespace quillet {

namespace {

std::uint32_t Channel(Colorref color, int shift, double factor) {
  const double value = static_cast<double>((color >> shift) & 0xFF) * factor;
  return static_cast<std::uint32_t>(std::clamp(value, 0.0, 255.0)) << shift;
}

}  // namespace

Colorref ScaleColor(Colorref color, double factor) {
  return Channel(color, 0, factor) | Channel(color, 8, factor) | Channel(color, 16, factor);
}

Colorref LightenColor(Colorref color, double factor) { return ScaleColor(color, std::max(factor, 1.0)); }

MemoColors ColorsFor(Colorref base, bool skinType) {
  MemoColors colors;
  colors.base = base & 0xFFFFFF;
  colors.title = LightenColor(base, 1.2);
  colors.formatBar = LightenColor(base, 1.1);
  colors.buttons = skinType ? colors.title : colors.base;
  return colors;
}

Colorref PaletteColor(const std::array<Bgr, kPaletteSize>& palette, int index) {
  const int wrapped = ((index % kPaletteSize) + kPaletteSize) % kPaletteSize;
  return palette[static_cast<std::size_t>(wrapped)].value & 0xFFFFFF;
}

std::vector<Colorref> TitleStripColumn(Colorref base, int height) {
  if (height <= 0) return {};
  std::vector<Colorref> column(static_cast<std::size_t>(height));
  column[0] = ScaleColor(base, 1.3);
  const int middle = height - 3;  // rows 1 ... height - 3
  if (middle > 0) {
    const double step = 0.15 / middle;
    const double first = 1.0 + (middle / 2) * step;
    for (int row = 1; row <= middle; ++row) {
      column[static_cast<std::size_t>(row)] = ScaleColor(base, first - (row - 1) * step);
    }
  }
  if (height >= 3) column[static_cast<std::size_t>(height - 2)] = ScaleColor(base, 0.85);
  if (height >= 2) column[static_cast<std::size_t>(height - 1)] = ScaleColor(base, 0.55);
  return column;
}

}  // namespace quillet
