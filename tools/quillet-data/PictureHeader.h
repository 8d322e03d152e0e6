#pragma once

#include <optional>
#include <string_view>

namespace quillet {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// The size a PNG, BMP, GIF or JPEG file declares in its header; nothing for other bytes.
std::optional<PictureSize> ReadPictureSize(std::string_view bytes);

}  // namespace quillet
