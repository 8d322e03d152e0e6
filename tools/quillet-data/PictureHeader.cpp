#include "PictureHeader.h"

#include <cstdint>

namespace quillet {

namespace {

std::uint32_t Big(std::string_view b, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | static_cast<unsigned char>(b[at + i]);
  return value;
}

std::uint32_t Little(std::string_view b, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count; i-- > 0;) value = value << 8 | static_cast<unsigned char>(b[at + i]);
  return value;
}

std::optional<PictureSize> Sized(long long width, long long height) {
  if (width <= 0 || height <= 0 || width > 1 << 20 || height > 1 << 20) return std::nullopt;
  return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<PictureSize> JpegSize(std::string_view b) {
  std::size_t at = 2;
  while (at + 9 < b.size()) {
    if (static_cast<unsigned char>(b[at]) != 0xFF) return std::nullopt;
    const unsigned marker = static_cast<unsigned char>(b[at + 1]);
    const std::size_t length = Big(b, at + 2, 2);
    const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) return Sized(Big(b, at + 7, 2), Big(b, at + 5, 2));
    if (length < 2) return std::nullopt;
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(std::string_view b) {
  if (b.size() >= 24 && b.substr(0, 8) == std::string_view("\x89PNG\r\n\x1A\n", 8) && b.substr(12, 4) == "IHDR") {
    return Sized(Big(b, 16, 4), Big(b, 20, 4));
  }
  if (b.size() >= 26 && b.substr(0, 2) == "BM") {
    const auto height = static_cast<std::int32_t>(Little(b, 22, 4));
    return Sized(static_cast<std::int32_t>(Little(b, 18, 4)), height < 0 ? -static_cast<long long>(height) : height);
  }
  if (b.size() >= 10 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a")) {
    return Sized(Little(b, 6, 2), Little(b, 8, 2));
  }
  if (b.size() >= 4 && static_cast<unsigned char>(b[0]) == 0xFF && static_cast<unsigned char>(b[1]) == 0xD8) {
    return JpegSize(b);
  }
  return std::nullopt;
}

}  // namespace quillet
