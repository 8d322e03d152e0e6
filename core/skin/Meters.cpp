#include "skin/Meters.h"

#include <algorithm>
#include <cmath>

#include "geometry/Saturate.h"
#include "skin/Measure.h"
#include "skin/SkinFile.h"
#include "skin/SkinWords.h"

namespace quillet {

namespace {

constexpr double kDegreesPerRadian = 57.29577957855229;
constexpr int kMaxCipher = 64;  // a damaged skin must not ask for a million digits

// The source cell `index` of a strip of cells `width` × `height`, side by side or stacked.
Rect Cell(long long index, int width, int height, bool vertical) {
  if (vertical) return Rect{0, Saturate(index * height), width, Saturate(index * height + height)};
  return Rect{Saturate(index * width), 0, Saturate(index * width + width), height};
}

TextAlign AlignmentWord(const std::string& word) {
  if (EqualsIgnoringCase(word, "RIGHT")) return TextAlign::Far;
  if (EqualsIgnoringCase(word, "CENTER")) return TextAlign::Center;
  return TextAlign::Near;
}

FontStyle StyleWord(const std::string& word) {
  if (EqualsIgnoringCase(word, "BOLD")) return FontStyle::Bold;
  if (EqualsIgnoringCase(word, "ITALIC")) return FontStyle::Italic;
  if (EqualsIgnoringCase(word, "BOLDITALIC")) return FontStyle::BoldItalic;
  return FontStyle::Regular;
}

std::string ReplaceAllOf(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

void ImageMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  const bool noSize = section.Int("W", 1) == 0 && section.Int("H", 1) == 0;
  image_ = LoadImage(section, context, true);
  if (image_ && noSize) {
    width_ = image_->Width();
    height_ = image_->Height();
  }
}

void ImageMeter::DrawType(Canvas& canvas) const {
  if (!image_) return;
  canvas.DrawImage(*image_, Rect{0, 0, image_->Width(), image_->Height()}, RectAt(x_, y_, width_, height_));
}

void CellIndexRule::Read(const SkinSection& section) {
  divisor = section.Int("ValueDiv", 1);
  modulus = section.Int("ValueMax", 0);
  revision = section.Int("RevisionVal", 0);
}

long long CellIndexRule::From(const Measure& measure) const {
  if (divisor < 1) return TruncateToInteger(measure.Relative());
  // Unsigned 32-bit arithmetic, as the engine has always counted cells.
  std::uint32_t cell = static_cast<std::uint32_t>(revision) + TruncateToUnsigned(measure.Number()) /
                                                                  static_cast<std::uint32_t>(divisor);
  if (modulus > 0) cell %= static_cast<std::uint32_t>(modulus);
  return cell;
}

void FrameImageMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  vertical_ = section.Bool("VerticalFrame", false);
  rule_.Read(section);
  image_ = LoadImage(section, context, true);
}

void FrameImageMeter::DrawType(Canvas& canvas) const {
  if (!image_) return;
  canvas.DrawImage(*image_, Cell(frame_, width_, height_, vertical_), RectAt(x_, y_, width_, height_));
}

void NumImageMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  vertical_ = section.Bool("Vertical", false);
  space_ = section.Int("Space", 0);
  cipher_ = std::clamp(section.Int("Cipher", 1), 0, kMaxCipher);
  alignLeftTop_ = section.Bool("AlignLeftTop", true);
  fitCipher_ = section.Bool("FitCipher", true);
  rule_.Read(section);
  image_ = LoadImage(section, context, true);
}

void NumImageMeter::DrawType(Canvas& canvas) const {
  if (!image_) return;
  std::string digits = std::to_string(number_);
  if (digits.size() < static_cast<std::size_t>(cipher_)) {
    digits.insert(0, static_cast<std::size_t>(cipher_) - digits.size(), fitCipher_ ? '0' : ' ');
  }
  const long long direction = alignLeftTop_ ? 1 : -1;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    const char c = digits[k];
    if (c < '0' || c > '9') continue;
    const long long step = static_cast<long long>(k) * direction;
    const int x = vertical_ ? x_ : Saturate(x_ + step * (static_cast<long long>(width_) + space_));
    const int y = vertical_ ? Saturate(y_ + step * (static_cast<long long>(height_) + space_)) : y_;
    canvas.DrawImage(*image_, Cell(c - '0', width_, height_, false), RectAt(x, y, width_, height_));
  }
}

void TurnRule::Read(const SkinSection& section) {
  modulus = section.Int("ValueRemainder", section.Int("ValueReminder", 0));
  startAngle = section.Real("StartAngle", 0.0f);
  rotationAngle = section.Real("RotationAngle", 6.2832f);
}

double TurnRule::FractionOf(const Measure& measure) const {
  if (modulus == 0) return measure.Relative();
  if (modulus == 1 || modulus == -1) return 0;  // also keeps the lowest number from overflowing
  return static_cast<double>(TruncateToInteger(measure.Number()) % modulus) / modulus;
}

void RoundLineMeter::ConfigureType(const SkinSection& section, MeterContext&) {
  turn_.Read(section);
  lineWidth_ = section.Real("LineWidth", 1.0f);
  lineLength_ = section.Real("LineLength", 20.0f);
  lineStart_ = section.Real("LineStart", -1.0f);
  antiAlias_ = section.Int("AntiAlias", 0) != 0;
  solid_ = section.Int("Solid", 0) != 0;
  lineColor_ = section.Color("LineColor", 0xFF000000);
}

void RoundLineMeter::DrawType(Canvas& canvas) const {
  const double cx = x_ + width_ * 0.5;
  const double cy = y_ + height_ * 0.5;
  if (solid_) {
    canvas.FillPie(static_cast<float>(cx), static_cast<float>(cy), lineLength_,
                   static_cast<float>(turn_.startAngle * kDegreesPerRadian),
                   static_cast<float>(fraction_ * turn_.rotationAngle * kDegreesPerRadian),
                   lineStart_ > 0 ? lineStart_ : 0.0f, lineColor_, antiAlias_);
    return;
  }
  const double angle = fraction_ * turn_.rotationAngle + turn_.startAngle;
  const double start = lineStart_ > 0 ? lineStart_ : 0.0;
  canvas.DrawLine(static_cast<float>(cx + start * std::cos(angle)), static_cast<float>(cy + start * std::sin(angle)),
                  static_cast<float>(cx + lineLength_ * std::cos(angle)),
                  static_cast<float>(cy + lineLength_ * std::sin(angle)), lineColor_, lineWidth_, antiAlias_);
}

void RotatorMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  turn_.Read(section);
  offsetX_ = section.Real("OffsetX", 0.0f);
  offsetY_ = section.Real("OffsetY", 0.0f);
  const std::string name = section.String("ImageName", "");
  if (!name.empty()) image_ = context.images.LoadFile(SkinFilePath(context, name));
}

void RotatorMeter::DrawType(Canvas& canvas) const {
  if (!image_) return;
  const double degrees = (fraction_ * turn_.rotationAngle + turn_.startAngle) * 57.295776;
  canvas.DrawRotatedImage(*image_, static_cast<float>(x_ + width_ * 0.5), static_cast<float>(y_ + height_ * 0.5),
                          static_cast<float>(degrees), offsetX_, offsetY_);
}

void StringMeter::ConfigureType(const SkinSection& section, MeterContext&) {
  style_.color = section.Color("FontColor", 0xFF000000);
  prefix_ = section.String("Prefix", "");
  postfix_ = section.String("Postfix", "");
  text_ = section.String("Text", "");
  style_.antiAlias = section.Int("AntiAlias", 0) != 0;
  style_.clip = section.Int("ClipString", 0) != 0;
  style_.size = section.Int("FontSize", 10);
  style_.face = section.String("FontFace", "Tahoma");
  style_.horizontal = AlignmentWord(section.String("StringAlign", "LEFT"));
  style_.vertical = AlignmentWord(section.String("StringVAlign", ""));
  style_.style = StyleWord(section.String("StringStyle", "NORMAL"));
}

void StringMeter::UpdateFrom(const Measure& measure) {
  valueText_ = measure.Text();
  hasValue_ = true;
}

int StringMeter::X() const {
  switch (style_.horizontal) {
    case TextAlign::Far: return Saturate(static_cast<long long>(x_) - width_);
    case TextAlign::Center: return Saturate(static_cast<long long>(x_) - width_ / 2);
    case TextAlign::Near: break;
  }
  return x_;
}

std::string StringMeter::Content() const {
  std::string middle;
  if (!text_.empty()) {
    middle = hasValue_ ? ReplaceAllOf(text_, "%1", valueText_) : text_;
  } else if (hasValue_) {
    middle = valueText_;
  }
  return prefix_ + middle + postfix_;
}

void StringMeter::DrawType(Canvas& canvas) const {
  canvas.DrawText(Content(), RectF{static_cast<float>(X()), static_cast<float>(y_), static_cast<float>(width_),
                                   static_cast<float>(height_)},
                  style_);
}

void ButtonMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  command_ = section.String("Command", "");
  image_ = LoadImage(section, context, true);
}

bool ButtonMeter::TrackMouse(int x, int y, bool down) {
  if (state_ == Disabled) return false;
  const State before = state_;
  if (HitTest(x, y)) {
    state_ = down ? Pressed : Hover;
  } else {
    state_ = Normal;
  }
  return state_ != before;
}

void ButtonMeter::DrawType(Canvas& canvas) const {
  if (!image_) return;
  canvas.DrawImage(*image_, Cell(state_, width_, height_, false), RectAt(x_, y_, width_, height_));
}

}  // namespace quillet
