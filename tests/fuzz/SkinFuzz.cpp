// Any bytes as a skin file and as a skin text: parsing, building and one tick of drawing must
// cope with whatever keys and values they hold.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "skin/SkinBuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  testing::TableImageLoader images;
  images.AddFile("C:\\skin\\a.png", 30, 20);
  images.AddResource(205, 144, 144);
  static const testing::FixedClock clock;
  for (int form = 0; form < 2; ++form) {
    SkinFile file;
    if (form == 0) {
      file.LoadFromFileBytes(bytes);
    } else {
      file.LoadFromText(bytes);
    }
    std::optional<BuiltSkin> skin = BuildSkin(file, SkinBuildContext{images, clock, "C:\\skin\\", std::nullopt, 1000});
    if (!skin) continue;
    testing::RecordingCanvas canvas;
    DrawSkin(*skin, canvas);
    DrawSkin(*skin, canvas);
  }
  return 0;
}
