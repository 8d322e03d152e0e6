#include "skin/GdiPlusImageLoader.h"

#include <cstring>

#include "framework/GdiPlusApi.h"

namespace quillet::win {

namespace {

// The stream owns a copy of the bytes; GDI+ may read from it until the decoded bitmap goes.
IStream* MemoryStream(std::string_view bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  return stream;
}

}  // namespace

std::unique_ptr<GdiPlusImage> DecodePicture(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > MAXDWORD) return nullptr;
  IStream* stream = MemoryStream(bytes);
  if (!stream) return nullptr;
  std::unique_ptr<GdiPlusImage> image;
  {
    // A bitmap made from a stream keeps reading it, so it is copied before the stream goes.
    Gdiplus::Bitmap decoded(stream);
    image = GdiPlusImage::CopyOf(decoded);
  }
  stream->Release();
  return image;
}

std::unique_ptr<SkinImage> GdiPlusImageLoader::LoadFile(const std::string& path) {
  std::string bytes;
  if (files_.ReadFile(path, bytes) != ReadOutcome::Ok) return nullptr;
  return DecodePicture(bytes);
}

std::unique_ptr<SkinImage> GdiPlusImageLoader::LoadResource(int id) {
  // MAKEINTRESOURCE keeps only 16 bits: −1 ("no image") would name resource 65535.
  if (id <= 0 || id > 0xFFFF) return nullptr;
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"PNG");
  if (!found) return nullptr;
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  const DWORD size = SizeofResource(nullptr, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return nullptr;
  return DecodePicture(std::string_view(static_cast<const char*>(data), size));
}

}  // namespace quillet::win
