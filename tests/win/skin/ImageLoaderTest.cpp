#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
#include "SkinTestSupport.h"
#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"
#include "platform/WinApi.h"
#include "skin/GdiPlusImageLoader.h"

namespace quillet::win {
namespace {

// The pattern as PNG bytes, encoded by GDI+.
std::string PatternPng() {
  GdiPlusCanvas canvas(3, 2);
  const auto pattern = skintest::MakeImage(3, 2, skintest::kPattern);
  canvas.DrawBackground(pattern.get());
  const std::string png = canvas.EncodePng().value_or("");
  EXPECT_EQ(png.substr(0, 4), "\x89PNG");
  return png;
}

std::vector<Argb> PixelsOf(const std::unique_ptr<SkinImage>& image) {
  auto* picture = dynamic_cast<GdiPlusImage*>(image.get());
  if (!picture || picture->Width() != 3 || picture->Height() != 2) return {};
  return skintest::PixelsOf(*picture);
}

TEST(GdiPlusImageLoader, LoadsFilesWholeThroughTheFileSystem) {
  quillet::testing::MemoryFileSystem memory;
  memory.AddFolder("C:\\스킨");
  memory.AddFile("C:\\스킨\\배경.png", PatternPng());
  EXPECT_EQ(PixelsOf(GdiPlusImageLoader(memory).LoadFile("C:\\스킨\\배경.png")), skintest::kPattern);

  // On disk, the file is free again at once (deleting fails while anything holds it open).
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring folder = temp + (L"quillet-\xC2A4\xD0A8-" + std::to_wstring(GetCurrentProcessId()));
  const std::wstring path = folder + L"\\\xC2DC\xACC4.png";
  Win32FileSystem disk;
  ASSERT_TRUE(disk.CreateFolder(NarrowToCp949(folder)));
  ASSERT_TRUE(disk.ReplaceFile(NarrowToCp949(path), PatternPng()));
  const std::unique_ptr<SkinImage> image = GdiPlusImageLoader(disk).LoadFile(NarrowToCp949(path));
  EXPECT_TRUE(DeleteFileW(path.c_str()));
  EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
  EXPECT_EQ(PixelsOf(image), skintest::kPattern);
}

TEST(GdiPlusImageLoader, GivesNothingForWhatIsNotAPicture) {
  const std::string png = PatternPng();
  quillet::testing::MemoryFileSystem files;
  files.AddFolder("C:\\skin");
  files.AddFile("C:\\skin\\text.png", "this is not a picture, only some text");
  files.AddFile("C:\\skin\\empty.png", "");
  files.AddFile("C:\\skin\\cut.png", png.substr(0, png.size() / 2));
  files.AddFile("C:\\skin\\locked.png", png);
  files.Lock("C:\\skin\\locked.png");
  GdiPlusImageLoader loader(files);
  for (const char* name : {"text", "empty", "cut", "locked", "missing"}) {
    EXPECT_EQ(loader.LoadFile("C:\\skin\\" + std::string(name) + ".png"), nullptr) << name;
  }
}

TEST(GdiPlusImageLoader, LoadsTheProgramsPngResourcesByNumber) {
  quillet::testing::MemoryFileSystem files;
  GdiPlusImageLoader loader(files);
  EXPECT_EQ(PixelsOf(loader.LoadResource(901)), skintest::kPattern);
  EXPECT_EQ(loader.LoadResource(902), nullptr);  // none
  EXPECT_EQ(loader.LoadResource(903), nullptr);  // not a picture
  // Resource numbers have 16 bits; 66437 is not 901.
  for (int id : {0, -1, 65536 + 901}) EXPECT_EQ(loader.LoadResource(id), nullptr) << id;
}

}  // namespace
}  // namespace quillet::win
