#include "RecordingCanvas.h"

namespace quillet::testing {

namespace {

std::string NameOf(const SkinImage* image) {
  const auto* named = dynamic_cast<const NamedImage*>(image);
  return named ? named->name() : std::string();
}

}  // namespace

std::unique_ptr<SkinImage> TableImageLoader::LoadFile(const std::string& path) {
  requests_.push_back(path);
  const auto found = files_.find(path);
  if (found == files_.end()) return nullptr;
  return std::make_unique<NamedImage>(path, found->second.width, found->second.height);
}

std::unique_ptr<SkinImage> TableImageLoader::LoadResource(int id) {
  requests_.push_back("#" + std::to_string(id));
  const auto found = resources_.find(id);
  if (found == resources_.end()) return nullptr;
  return std::make_unique<NamedImage>("#" + std::to_string(id), found->second.width, found->second.height);
}

void RecordingCanvas::DrawBackground(const SkinImage* background) {
  DrawCall call(DrawCall::Background);
  call.image = NameOf(background);
  calls_.push_back(call);
}

void RecordingCanvas::FillRect(const Rect& rect, Argb color) {
  DrawCall call(DrawCall::Fill);
  call.destination = rect;
  call.color = color;
  calls_.push_back(call);
}

void RecordingCanvas::DrawLine(float x1, float y1, float x2, float y2, Argb color, float width, bool antiAlias) {
  DrawCall call(DrawCall::Line);
  call.x1 = x1;
  call.y1 = y1;
  call.x2 = x2;
  call.y2 = y2;
  call.color = color;
  call.width = width;
  call.antiAlias = antiAlias;
  calls_.push_back(call);
}

void RecordingCanvas::DrawImage(const SkinImage& image, const Rect& source, const Rect& destination) {
  DrawCall call(DrawCall::Image);
  call.image = NameOf(&image);
  call.source = source;
  call.destination = destination;
  calls_.push_back(call);
}

void RecordingCanvas::FillPie(float cx, float cy, float radius, float startDegrees, float sweepDegrees,
                              float holeRadius, Argb color, bool antiAlias) {
  DrawCall call(DrawCall::Pie);
  call.x1 = cx;
  call.y1 = cy;
  call.width = radius;
  call.start = startDegrees;
  call.sweep = sweepDegrees;
  call.hole = holeRadius;
  call.color = color;
  call.antiAlias = antiAlias;
  calls_.push_back(call);
}

void RecordingCanvas::DrawRotatedImage(const SkinImage& image, float cx, float cy, float degrees, float offsetX,
                                       float offsetY) {
  DrawCall call(DrawCall::RotatedImage);
  call.image = NameOf(&image);
  call.x1 = cx;
  call.y1 = cy;
  call.start = degrees;
  call.x2 = offsetX;
  call.y2 = offsetY;
  calls_.push_back(call);
}

void RecordingCanvas::DrawText(const std::string& text, const RectF& box, const TextStyle& style) {
  DrawCall call(DrawCall::Text);
  call.text = text;
  call.box = box;
  call.style = style;
  calls_.push_back(call);
}

std::vector<DrawCall> RecordingCanvas::Of(DrawCall::Kind kind) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls_) {
    if (call.kind == kind) found.push_back(call);
  }
  return found;
}

}  // namespace quillet::testing
