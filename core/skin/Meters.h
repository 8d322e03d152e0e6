#pragma once

#include <memory>
#include <string>

#include "skin/Meter.h"

namespace quillet {

// Reserved: reads nothing and draws nothing.
class BitmapMeter final : public Meter {
 public:
  BitmapMeter() : Meter(MeterType::Bitmap) {}
  void Configure(const SkinSection&, MeterContext&) override {}

 private:
  void ConfigureType(const SkinSection&, MeterContext&) override {}
  void UpdateFrom(const Measure&) override {}
  void DrawType(Canvas&) const override {}
};

// The whole picture scaled into the meter's box.
class ImageMeter final : public Meter {
 public:
  ImageMeter() : Meter(MeterType::Image) {}

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure&) override {}
  void DrawType(Canvas& canvas) const override;

  std::unique_ptr<SkinImage> image_;
};

// The measure's number as a cell index: RevisionVal + number / ValueDiv, modulo ValueMax.
struct CellIndexRule {
  int divisor = 1;
  int modulus = 0;
  int revision = 0;

  void Read(const SkinSection& section);
  long long From(const Measure& measure) const;
};

// One frame of a strip, chosen by the measure.
class FrameImageMeter final : public Meter {
 public:
  FrameImageMeter() : Meter(MeterType::FrameImage) {}
  // For composite meters, which choose the frame themselves.
  void SetFrame(long long frame) { frame_ = frame; }

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure& measure) override { frame_ = rule_.From(measure); }
  void DrawType(Canvas& canvas) const override;

  std::unique_ptr<SkinImage> image_;
  CellIndexRule rule_;
  bool vertical_ = false;
  long long frame_ = 0;
};

// A number drawn with the cells of a digit strip.
class NumImageMeter final : public Meter {
 public:
  NumImageMeter() : Meter(MeterType::NumImage) {}
  // For composite meters, which choose the number themselves.
  void SetNumber(long long number) { number_ = number; }

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure& measure) override { number_ = rule_.From(measure); }
  void DrawType(Canvas& canvas) const override;

  std::unique_ptr<SkinImage> image_;
  CellIndexRule rule_;
  bool vertical_ = false;
  int space_ = 0;
  int cipher_ = 1;
  bool alignLeftTop_ = true;
  bool fitCipher_ = true;
  long long number_ = 0;
};

// The measure as a fraction of a turn: its number modulo the remainder, or its relative value.
struct TurnRule {
  int modulus = 0;
  float startAngle = 0;
  float rotationAngle = 6.2832f;

  void Read(const SkinSection& section);
  double FractionOf(const Measure& measure) const;
};

// A clock hand, or a filled pie with an optional hole, around the centre of the box.
class RoundLineMeter final : public Meter {
 public:
  RoundLineMeter() : Meter(MeterType::RoundLine) {}

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure& measure) override { fraction_ = turn_.FractionOf(measure); }
  void DrawType(Canvas& canvas) const override;

  TurnRule turn_;
  float lineWidth_ = 1;
  float lineLength_ = 20;
  float lineStart_ = -1;
  bool antiAlias_ = false;
  bool solid_ = false;
  Argb lineColor_ = 0xFF000000;
  double fraction_ = 0;
};

// A picture turned about the centre of the box.
class RotatorMeter final : public Meter {
 public:
  RotatorMeter() : Meter(MeterType::Rotator) {}

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure& measure) override { fraction_ = turn_.FractionOf(measure); }
  void DrawType(Canvas& canvas) const override;

  std::unique_ptr<SkinImage> image_;
  TurnRule turn_;
  float offsetX_ = 0;
  float offsetY_ = 0;
  double fraction_ = 0;
};

// A text: Prefix, Text with %1 as the measure's text (or that text alone), Postfix. X is the
// anchor of the alignment.
class StringMeter final : public Meter {
 public:
  StringMeter() : Meter(MeterType::String) {}

  int X() const override;
  // The whole text the meter draws now.
  std::string Content() const;
  // For skins whose texts are set after parsing (the notifications' many-line messages).
  void SetText(std::string text) { text_ = std::move(text); }

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure& measure) override;
  void DrawType(Canvas& canvas) const override;

  std::string prefix_;
  std::string text_;
  std::string postfix_;
  std::string valueText_;
  bool hasValue_ = false;
  TextStyle style_;
};

// An image strip of states (pressed, normal, hover) with a command for a click.
class ButtonMeter final : public Meter {
 public:
  enum State { Pressed = 0, Normal = 1, Hover = 2, Disabled = 3 };

  ButtonMeter() : Meter(MeterType::Button) {}

  State state() const { return state_; }
  const std::string& command() const { return command_; }
  // The mouse at a point, with the left button down or not; true when the state changed.
  bool TrackMouse(int x, int y, bool down);

 private:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure&) override {}
  void DrawType(Canvas& canvas) const override;

  std::unique_ptr<SkinImage> image_;
  std::string command_;
  State state_ = Normal;
};

}  // namespace quillet
