#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ports/Canvas.h"
#include "ports/FileSystem.h"
#include "skin/GdiPlusImage.h"

namespace quillet::win {

// A picture decoded from the bytes of a file (PNG, BMP, GIF, JPEG, ...); nothing when the bytes
// are not a picture GDI+ can read or it has no pixels.
std::unique_ptr<GdiPlusImage> DecodePicture(std::string_view bytes);

// Skin pictures through GDI+: files are read whole through `files` and decoded from memory, so no
// file stays open; resources are the program's own of type "PNG". GDI+ must be running.
class GdiPlusImageLoader final : public ImageLoader {
 public:
  explicit GdiPlusImageLoader(const FileSystem& files) : files_(files) {}

  std::unique_ptr<SkinImage> LoadFile(const std::string& path) override;
  std::unique_ptr<SkinImage> LoadResource(int id) override;

 private:
  const FileSystem& files_;
};

}  // namespace quillet::win
