#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ports/Canvas.h"

namespace quillet::testing {

// A picture of a given size that knows its name, so that tests can tell what was drawn.
class NamedImage final : public SkinImage {
 public:
  NamedImage(std::string name, int width, int height) : name_(std::move(name)), width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  int width_;
  int height_;
};

// Pictures from a table: file paths and resource numbers to sizes; anything else fails to load.
class TableImageLoader final : public ImageLoader {
 public:
  void AddFile(const std::string& path, int width, int height) { files_[path] = {width, height}; }
  void AddResource(int id, int width, int height) { resources_[id] = {width, height}; }
  std::unique_ptr<SkinImage> LoadFile(const std::string& path) override;
  std::unique_ptr<SkinImage> LoadResource(int id) override;
  const std::vector<std::string>& requests() const { return requests_; }

 private:
  struct Size2 {
    int width;
    int height;
  };
  std::map<std::string, Size2> files_;
  std::map<int, Size2> resources_;
  std::vector<std::string> requests_;
};

// Every drawing call, in order.
struct DrawCall {
  enum Kind { Background, Fill, Line, Image, Pie, RotatedImage, Text } kind;
  explicit DrawCall(Kind k) : kind(k) {}
  std::string image;  // the name of the image drawn
  Rect source;
  Rect destination;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends; pie and rotation centre in x1, y1
  float width = 0;                       // line width; pie radius
  float start = 0, sweep = 0, hole = 0;  // pie angles and hole; rotation degrees in start
  Argb color = 0;
  bool antiAlias = false;
  std::string text;
  RectF box;
  TextStyle style;
};

class RecordingCanvas final : public Canvas {
 public:
  void DrawBackground(const SkinImage* background) override;
  void FillRect(const Rect& rect, Argb color) override;
  void DrawLine(float x1, float y1, float x2, float y2, Argb color, float width, bool antiAlias) override;
  void DrawImage(const SkinImage& image, const Rect& source, const Rect& destination) override;
  void FillPie(float cx, float cy, float radius, float startDegrees, float sweepDegrees, float holeRadius, Argb color,
               bool antiAlias) override;
  void DrawRotatedImage(const SkinImage& image, float cx, float cy, float degrees, float offsetX,
                        float offsetY) override;
  void DrawText(const std::string& text, const RectF& box, const TextStyle& style) override;

  const std::vector<DrawCall>& calls() const { return calls_; }
  std::vector<DrawCall> Of(DrawCall::Kind kind) const;
  void Reset() { calls_.clear(); }

 private:
  std::vector<DrawCall> calls_;
};

}  // namespace quillet::testing
