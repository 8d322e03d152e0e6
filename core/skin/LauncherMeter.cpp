#include "skin/LauncherMeter.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "geometry/Saturate.h"
#include "skin/Meters.h"
#include "skin/SkinFile.h"

namespace quillet {

namespace {

using ChildKeys = std::initializer_list<std::pair<const char*, std::string>>;

void ConfigureChild(Meter& child, ChildKeys keys, MeterContext& context) {
  SkinSection section("RAUNCHER");
  for (const auto& [key, value] : keys) section.Set(key, value);
  child.Configure(section, context);
}

// W and H of 0 make a picture's box its own size, and a missing picture's box empty.
void ConfigurePicture(ImageMeter& child, const std::string& name, MeterContext& context) {
  ConfigureChild(child, {{"ImageName", name}, {"W", "0"}, {"H", "0"}}, context);
}

void DrawAt(Meter& child, long long x, long long y, Canvas& canvas) {
  child.MoveTo(Saturate(x), Saturate(y));
  child.Draw(canvas);
}

}  // namespace

struct LauncherMeter::Parts {
  ImageMeter head, body, tail, noData, iconBackground;
  StringMeter label;

  const LauncherItems* items = nullptr;

  int rowDataCount = 10;
  int iconWSpace = 60, iconHSpace = 60;
  int iconShiftX = 60, iconShiftY = 100;
  int backgroundShiftX = 0, backgroundShiftY = 0;
  int spaceW = 0, spaceH = 0;
  int rowHeight = 0;
  int labelShiftX = 0, labelShiftY = 0;
  // From the label box's left edge to the point its alignment anchors at.
  long long labelAnchor = 0;
};

LauncherMeter::LauncherMeter() : Meter(MeterType::Launcher), parts_(std::make_unique<Parts>()) {}

LauncherMeter::~LauncherMeter() = default;

void LauncherMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  parts_ = std::make_unique<Parts>();
  Parts& p = *parts_;
  p.items = context.launcherItems;

  // Below 1 the walk would wrap after every entry by dividing by nothing.
  p.rowDataCount = std::max(section.Int("RowDataCount", 10), 1);
  p.iconWSpace = section.Int("IconWSpace", 60);
  p.iconHSpace = section.Int("IconHSpace", 60);
  p.iconShiftX = section.Int("IconShiftX", 60);
  p.iconShiftY = section.Int("IconshiftY", 100);
  p.backgroundShiftX = section.Int("IconBackgroundShiftX", 0);
  p.backgroundShiftY = section.Int("IconBackgroundshiftY", 0);
  p.spaceW = section.Int("SPACE_W", 0);
  p.spaceH = section.Int("SPACE_H", 0);
  p.labelShiftX = section.Int("LabelShiftX", 0);
  p.labelShiftY = section.Int("LabelShiftY", 0);

  ConfigurePicture(p.head, section.String("HeadImage", ""), context);
  ConfigurePicture(p.body, section.String("BodyImage", ""), context);
  ConfigurePicture(p.tail, section.String("TailImage", ""), context);
  ConfigurePicture(p.noData, section.String("NoDataImage", ""), context);
  ConfigurePicture(p.iconBackground, section.String("IconBackgroundImage", ""), context);
  p.rowHeight = section.Int("RowHeight", p.body.Height());

  ConfigureChild(p.label,
                 {{"W", section.String("LabelW", "0")},
                  {"H", section.String("LabelH", "0")},
                  {"FontColor", section.String("LabelFontColor", "0,0,0,255")},
                  {"FontSize", section.String("LabelFontSize", "10")},
                  {"StringAlign", section.String("LabelFontAlign", "CENTER")},
                  {"StringVAlign", section.String("LabelFontVAlign", "CENTER")}},
                 context);
  // A string meter's X is its alignment's anchor; the label box is placed by its left edge.
  p.label.MoveTo(0, 0);
  p.labelAnchor = -static_cast<long long>(p.label.X());
}

std::size_t LauncherMeter::EntryCount() const {
  return parts_->items ? parts_->items->Entries().size() : 0;
}

LauncherMeter::Cell LauncherMeter::CellOf(std::size_t index) const {
  const Parts& p = *parts_;
  const auto perRow = static_cast<std::size_t>(p.rowDataCount);
  const auto column = static_cast<long long>(index % perRow);
  const auto row = static_cast<long long>(index / perRow);
  return Cell{x_ + column * (static_cast<long long>(p.iconWSpace) + p.spaceW),
              y_ + row * (static_cast<long long>(p.iconHSpace) + p.spaceH)};
}

long long LauncherMeter::TailTop(std::size_t count) const {
  const Parts& p = *parts_;
  const long long top = static_cast<long long>(y_) + p.head.Height();
  if (count == 0) return top + p.noData.Height();
  const auto perRow = static_cast<std::size_t>(p.rowDataCount);
  const auto rows = static_cast<long long>((count + perRow - 1) / perRow);
  return top + rows * p.rowHeight;
}

std::optional<std::size_t> LauncherMeter::EntryAt(int px, int py) const {
  const Parts& p = *parts_;
  // Backwards: a later icon is drawn over an earlier one.
  for (std::size_t i = EntryCount(); i-- > 0;) {
    const Cell cell = CellOf(i);
    const long long left = cell.x + p.iconShiftX;
    const long long top = cell.y + p.iconShiftY;
    if (left <= px && px < left + kLauncherIconSize && top <= py && py < top + kLauncherIconSize) return i;
  }
  return std::nullopt;
}

int LauncherMeter::ContentHeight() const {
  const Parts& p = *parts_;
  const std::size_t count = EntryCount();
  long long bottom = TailTop(count) + p.tail.Height();
  if (count > 0) {
    const long long below = std::max({static_cast<long long>(p.iconShiftY) + kLauncherIconSize,
                                      static_cast<long long>(p.backgroundShiftY) + p.iconBackground.Height(),
                                      static_cast<long long>(p.labelShiftY) + p.label.Height()});
    // The first and last rows bound them all, whichever way the rows step.
    bottom = std::max({bottom, CellOf(0).y + below, CellOf(count - 1).y + below});
  }
  return Saturate(std::max(bottom, 0LL));
}

void LauncherMeter::DrawType(Canvas& canvas) const {
  Parts& p = *parts_;
  const std::vector<LauncherShown> entries = p.items ? p.items->Entries() : std::vector<LauncherShown>{};
  const long long top = static_cast<long long>(y_) + p.head.Height();

  DrawAt(p.head, x_, y_, canvas);
  if (entries.empty()) {
    DrawAt(p.noData, x_, top, canvas);
  } else {
    const auto perRow = static_cast<std::size_t>(p.rowDataCount);
    const std::size_t rows = (entries.size() + perRow - 1) / perRow;
    for (std::size_t row = 0; row < rows; ++row) {
      DrawAt(p.body, x_, top + static_cast<long long>(row) * p.rowHeight, canvas);
    }
  }
  DrawAt(p.tail, x_, TailTop(entries.size()), canvas);

  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Cell cell = CellOf(i);
    DrawAt(p.iconBackground, cell.x + p.backgroundShiftX, cell.y + p.backgroundShiftY, canvas);
    if (const SkinImage* icon = entries[i].icon) {
      canvas.DrawImage(*icon, Rect{0, 0, icon->Width(), icon->Height()},
                       RectAt(Saturate(cell.x + p.iconShiftX), Saturate(cell.y + p.iconShiftY), kLauncherIconSize,
                              kLauncherIconSize));
    }
    p.label.SetText(entries[i].name);
    DrawAt(p.label, cell.x + p.labelShiftX + p.labelAnchor, cell.y + p.labelShiftY, canvas);
  }
}

}  // namespace quillet
