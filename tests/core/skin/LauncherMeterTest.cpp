#include <gtest/gtest.h>

#include <cstdio>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "skin/LauncherMeter.h"
#include "skin/SkinBuilder.h"

namespace quillet {
namespace {

using testing::DrawCall;
using testing::FixedClock;
using testing::NamedImage;
using testing::RecordingCanvas;
using testing::TableImageLoader;

// n entries "e0", "e1", … with icons "i0", "i1", …; the seventh has no icon.
class ShownEntries final : public LauncherItems {
 public:
  explicit ShownEntries(int n) {
    for (int i = 0; i < n; ++i) icons_.emplace_back("i" + std::to_string(i), 32, 32);
  }
  std::vector<LauncherShown> Entries() const override {
    std::vector<LauncherShown> shown;
    for (std::size_t i = 0; i < icons_.size(); ++i) {
      shown.push_back({"e" + std::to_string(i), i == 6 ? nullptr : &icons_[i]});
    }
    return shown;
  }

 private:
  std::vector<NamedImage> icons_;
};

// One call a word: "picture@left,top", or "text@left,top" for a label's box.
std::string Trace(const std::vector<DrawCall>& calls) {
  std::string trace;
  char word[64];
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Image) {
      const std::string name = c.image.substr(c.image.rfind('\\') + 1);
      std::snprintf(word, sizeof word, " %s@%d,%d", name.substr(0, name.find('.')).c_str(), c.destination.left,
                    c.destination.top);
    } else if (c.kind == DrawCall::Text) {
      std::snprintf(word, sizeof word, " %s@%g,%g", c.text.c_str(), c.box.x, c.box.y);
    } else {
      continue;
    }
    trace += word;
  }
  return trace;
}

// Cells 52 × 44 from (10, 5); rows of the body picture, 44 high, below a head 20 high.
constexpr const char* kSkin =
    "[Launcher]\nDrawType=RAUNCHER\nX=10\nY=5\n"
    "HeadImage=head.png\nBodyImage=body.png\nTailImage=tail.png\nNoDataImage=none.png\nIconBackgroundImage=back.png\n"
    "IconWSpace=50\nIconHSpace=40\nSPACE_W=2\nSPACE_H=4\nIconShiftX=8\nIconshiftY=30\n"
    "IconBackgroundShiftX=6\nIconBackgroundshiftY=28\nLabelW=48\nLabelH=12\nLabelShiftX=1\nLabelShiftY=64\n";

class LauncherMeterTest : public ::testing::Test {
 protected:
  LauncherMeterTest() {
    images.AddFile("C:\\L\\head.png", 160, 20);
    images.AddFile("C:\\L\\body.png", 160, 44);
    images.AddFile("C:\\L\\tail.png", 160, 6);
    images.AddFile("C:\\L\\none.png", 160, 30);
    images.AddFile("C:\\L\\back.png", 36, 36);
  }

  LauncherMeter& Build(const std::string& extra, const LauncherItems* items) {
    SkinFile file;
    file.LoadFromText(kSkin + extra);
    SkinBuildContext context{images, clock, "C:\\L\\", std::nullopt};
    context.launcherItems = items;
    skin = BuildSkin(file, context);
    EXPECT_TRUE(skin && skin->meters.size() == 1u && skin->meters[0]->type() == MeterType::Launcher);
    return static_cast<LauncherMeter&>(*skin->meters.at(0));
  }

  TableImageLoader images;
  FixedClock clock;
  std::optional<BuiltSkin> skin;
};

TEST_F(LauncherMeterTest, DrawsTheRowsOfIconsBetweenHeadAndTail) {
  const struct {
    const char* keys;
    int entries;
    const char* trace;
    int contentHeight;
  } cases[] = {
      // Rows of 3, 3 and 1: the frame first, then each entry's background, icon and label box.
      {"RowDataCount=3\n", 7,
       " head@10,5 body@10,25 body@10,69 body@10,113 tail@10,157"
       " back@16,33 i0@18,35 e0@11,69 back@68,33 i1@70,35 e1@63,69 back@120,33 i2@122,35 e2@115,69"
       " back@16,77 i3@18,79 e3@11,113 back@68,77 i4@70,79 e4@63,113 back@120,77 i5@122,79 e5@115,113"
       " back@16,121 e6@11,157",
       169},
      // Below 1 counts as 1.
      {"RowDataCount=0\n", 2,
       " head@10,5 body@10,25 body@10,69 tail@10,113 back@16,33 i0@18,35 e0@11,69 back@16,77 i1@18,79 e1@11,113",
       125},
      {"RowDataCount=-4\nRowHeight=10\nLabelFontAlign=RIGHT\n", 1,
       " head@10,5 body@10,25 tail@10,35 back@16,33 i0@18,35 e0@11,69", 81},
      // Without entries the no-data picture stands in for the rows.
      {"", 0, " head@10,5 none@10,25 tail@10,55", 61},
  };
  for (const auto& c : cases) {
    const ShownEntries entries(c.entries);
    LauncherMeter& meter = Build(c.keys, &entries);
    RecordingCanvas canvas;
    DrawSkin(*skin, canvas);
    EXPECT_EQ(Trace(canvas.calls()), c.trace) << c.keys;
    EXPECT_EQ(meter.ContentHeight(), c.contentHeight) << c.keys;
  }
}

TEST_F(LauncherMeterTest, EntryAtFindsTheIconCellUnderAPoint) {
  const ShownEntries seven(7);
  const LauncherMeter& meter = Build("RowDataCount=3\n", &seven);
  const struct {
    int x, y;
    std::optional<std::size_t> entry;
  } points[] = {
      {18, 35, 0}, {70, 79, 4}, {101, 110, 4}, {102, 79, {}}, {69, 79, {}}, {101, 111, {}},
      {18, 123, 6},  // an entry without its picture still has its cell
      {70, 123, {}}, {10, 5, {}},
  };
  for (const auto& p : points) EXPECT_EQ(meter.EntryAt(p.x, p.y), p.entry) << p.x << "," << p.y;

  EXPECT_EQ(Build("RowDataCount=3\n", nullptr).EntryAt(18, 35), std::nullopt);
}

}  // namespace
}  // namespace quillet
