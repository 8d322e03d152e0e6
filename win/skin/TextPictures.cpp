#include "skin/TextPictures.h"

#include "framework/GdiPlusApi.h"

namespace quillet::win {

namespace {

// Four megabytes of pictures, and room for a launcher's two hundred names with every other text.
constexpr std::size_t kMaxPixels = 1 << 20;
constexpr std::size_t kMaxTexts = 1024;

}  // namespace

TextPictures::TextPictures() = default;
TextPictures::~TextPictures() = default;

TextPictures::Found TextPictures::Find(const Key& key) {
  const auto found = pictures_.find(key);
  if (found != pictures_.end()) return Found{found->second.get(), true};
  if (pictures_.size() >= kMaxTexts) {
    pictures_.clear();
    pixels_ = 0;
  }
  pictures_.emplace(key, nullptr);
  return Found{};
}

const TextPicture& TextPictures::Keep(const Key& key, TextPicture picture) {
  const std::size_t pixels = static_cast<std::size_t>(picture.bitmap->GetWidth()) * picture.bitmap->GetHeight();
  if (pixels_ + pixels > kMaxPixels) {
    pictures_.clear();
    pixels_ = 0;
  }
  pixels_ += pixels;
  std::unique_ptr<TextPicture>& kept = pictures_[key];
  kept = std::make_unique<TextPicture>(std::move(picture));
  return *kept;
}

}  // namespace quillet::win
