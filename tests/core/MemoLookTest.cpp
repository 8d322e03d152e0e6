#include <gtest/gtest.h>

#include "memo/Arranging.h"
#include "memo/CaptureArea.h"
#include "memo/DeleteRule.h"
#include "memo/MemoColors.h"
#include "memo/MemoLayout.h"

namespace quillet {
namespace {

TEST(MemoColors, ChannelsAreMultipliedTruncatedAndHeld) {
  EXPECT_EQ(ScaleColor(0xC6C6C6, 1.2), 0xEDEDEDu);  // 198 × 1.2 = 237.6
  EXPECT_EQ(ScaleColor(0xCE9AFF, 1.2), 0xF7B8FFu);  // red 255 held, green 184.8, blue 247.2
  EXPECT_EQ(ScaleColor(0x808080, 0.55), 0x464646u);
  EXPECT_EQ(LightenColor(0x808080, 0.55), 0x808080u);  // never darker
  EXPECT_EQ(LightenColor(0x329632, 1.2), 0x3CB43Cu);

  const MemoColors plain = ColorsFor(0xC6C6C6, false);
  EXPECT_EQ(plain.title, 0xEDEDEDu);
  EXPECT_EQ(plain.formatBar, 0xD9D9D9u);
  EXPECT_EQ(plain.buttons, 0xC6C6C6u);
  EXPECT_EQ(ColorsFor(0xC6C6C6, true).buttons, 0xEDEDEDu);

  std::array<Bgr, kPaletteSize> palette{};
  for (int i = 0; i < kPaletteSize; ++i) palette[static_cast<std::size_t>(i)] = Bgr::FromStored(0x010101 * (i + 1));
  EXPECT_EQ(PaletteColor(palette, 13), 0x020202u);
  EXPECT_EQ(PaletteColor(palette, -1), 0x0C0C0Cu);
}

TEST(MemoColors, TheTitleStripColumnRunsFromLightToDark) {
  const std::vector<Colorref> column = TitleStripColumn(0x646464, 17);  // channels 100
  ASSERT_EQ(column.size(), 17u);
  EXPECT_EQ(column[0], 0x828282u);   // 1.3
  EXPECT_EQ(column[1], 0x6B6B6Bu);   // 1 + 7 × 0.15 / 14 = 1.075
  EXPECT_EQ(column[14], 0x5D5D5Du);  // 1.075 − 13 × 0.15 / 14 ≈ 0.936
  EXPECT_EQ(column[15], 0x555555u);  // 0.85
  EXPECT_EQ(column[16], 0x373737u);  // 0.55
  for (std::size_t row = 2; row <= 14; ++row) EXPECT_LE(column[row], column[row - 1]) << row;
  EXPECT_EQ(TitleStripColumn(0x646464, 1), std::vector<Colorref>{0x828282});
  EXPECT_TRUE(TitleStripColumn(0x646464, 0).empty());
}

TEST(MemoLayout, FoldingKeepsTheRightEdgeAndEachStatePlacesTheEditor) {
  const MemoMeasures m;
  EXPECT_EQ(FoldedMemoSize(false, {}, 150, true, m), (Size{150, 18}));
  EXPECT_EQ(FoldedMemoSize(true, {200, 14}, 150, true, m), (Size{240, 18}));
  EXPECT_EQ(FoldedMemoSize(true, {200, 14}, 150, false, m), (Size{150, 18}));
  EXPECT_EQ(FoldedMemoSize(true, {50, 20}, 150, true, m), (Size{150, 22}));
  EXPECT_EQ(AtRightEdge({100, 50, 300, 250}, {150, 18}), (Rect{150, 50, 300, 68}));
  EXPECT_EQ(RepairedMemoRect({300, 50, 300, 40}), (Rect{200, -10, 300, 40}));

  const Size client{180, 100};
  const struct {
    MemoViewState state;
    Rect editor;
  } cases[] = {
      {{true, false, false, false}, {5, 20, 175, 95}},
      {{true, true, false, false}, {5, 38, 175, 95}},
      {{true, true, true, false}, {5, 3, 175, 95}},   // the simple view hides strip and bar
      {{true, false, true, true}, {5, 20, 175, 95}},  // ... but keeps the band for title and time
      {{false, false, false, false}, {1, 1, 121, 17}},
  };
  for (const auto& c : cases) EXPECT_EQ(MemoEditorRect(client, c.state, 150, m), c.editor);
  EXPECT_EQ(MemoEditorRect({150, 18}, {false, false, true, false}, 150, m), (Rect{1, 1, 149, 17}));
  EXPECT_EQ(FormatBarRect(client, m), (Rect{2, 18, 178, 38}));
}

// At 150 % every measure grows by half, rounded; a DPI no screen has is taken as 96.
TEST(MemoLayout, TheChromeScalesWithTheScreensDpi) {
  const MemoMeasures m = MemoMeasures::At(144);
  EXPECT_EQ(FoldedMemoSize(false, {}, 225, true, m), (Size{225, 27}));
  EXPECT_EQ(FoldedMemoSize(true, {200, 21}, 225, true, m), (Size{260, 27}));
  const Size client{270, 150};
  EXPECT_EQ(MemoEditorRect(client, {true, false, false, false}, 225, m), (Rect{8, 30, 262, 142}));
  EXPECT_EQ(MemoEditorRect(client, {true, true, false, false}, 225, m), (Rect{8, 57, 262, 142}));
  EXPECT_EQ(MemoEditorRect(client, {false, false, false, false}, 225, m), (Rect{1, 1, 181, 26}));
  EXPECT_EQ(FormatBarRect(client, m), (Rect{2, 27, 268, 57}));
  EXPECT_EQ(m.minimum, (Size{173, 63}));
  EXPECT_EQ(HitTestExpandedMemo(6, 75, client, false, m), MemoHit::Left);
  EXPECT_EQ(HitTestExpandedMemo(135, 4, client, false, m), MemoHit::Top);
  EXPECT_EQ(HitTestExpandedMemo(135, 20, client, false, m), MemoHit::Caption);
  EXPECT_EQ(HitTestExpandedMemo(135, 25, client, false, m), MemoHit::Default);
  const std::optional<CaptureArea> area = TakeCaptureArea({100, 5}, {300, 155}, m);
  ASSERT_TRUE(area);
  EXPECT_EQ(area->memo, (Rect{91, -4, 308, 190}));
  for (const int odd : {0, -120, 47, 100000}) EXPECT_EQ(MemoMeasures::At(odd).titleStrip, 17) << odd;
}

TEST(MemoLayout, TheFrameResizesAndTheRestDrags) {
  const Size client{180, 100};
  const struct {
    int x, y;
    MemoHit hit;
  } cases[] = {
      {2, 50, MemoHit::Left},     {2, 97, MemoHit::BottomLeft}, {177, 50, MemoHit::Right},
      {177, 97, MemoHit::BottomRight}, {90, 97, MemoHit::Bottom}, {90, 50, MemoHit::Default},
      {2, 1, MemoHit::TopLeft},   {177, 1, MemoHit::TopRight},  {90, 1, MemoHit::Top},
      {90, 10, MemoHit::Caption}, {2, 16, MemoHit::Caption},   {5, 50, MemoHit::Default},
  };
  const MemoMeasures m;
  for (const auto& c : cases) EXPECT_EQ(HitTestExpandedMemo(c.x, c.y, client, false, m), c.hit) << c.x << "," << c.y;
  EXPECT_EQ(HitTestExpandedMemo(90, 50, client, true, m), MemoHit::Caption);
}

TEST(CaptureArea, TheMemoSitsOverTheSelectionUnderItsTitleStrip) {
  const struct {
    Point start, end;
    Rect selection, memo;
  } cases[] = {
      {{100, 100}, {300, 250}, {100, 100, 300, 250}, {94, 80, 305, 259}},
      {{300, 250}, {100, 100}, {100, 100, 300, 250}, {94, 80, 305, 259}},
      {{100, 5}, {300, 155}, {100, 5, 300, 155}, {94, -3, 305, 176}},   // moved down 12 with its bottom
      {{100, 16}, {300, 116}, {100, 16, 300, 116}, {94, -3, 305, 126}},
      {{100, 17}, {300, 117}, {100, 17, 300, 117}, {94, -3, 305, 126}},
      {{400, 400}, {410, 410}, {400, 400, 410, 410}, {394, 380, 509, 422}},  // the memo minimum
      {{10, 10}, {0, 0}, {0, 0, 10, 10}, {-6, -3, 109, 39}},                // moved, then the minimum
  };
  for (const auto& c : cases) {
    const std::optional<CaptureArea> area = TakeCaptureArea(c.start, c.end, MemoMeasures{});
    ASSERT_TRUE(area) << c.start.x << "," << c.start.y;
    EXPECT_EQ(area->selection, c.selection) << c.start.x << "," << c.start.y;
    EXPECT_EQ(area->memo, c.memo) << c.start.x << "," << c.start.y;
  }
  EXPECT_FALSE(TakeCaptureArea({5, 5}, {5, 100}, MemoMeasures{}));
  EXPECT_FALSE(TakeCaptureArea({5, 5}, {100, 5}, MemoMeasures{}));
  EXPECT_FALSE(TakeCaptureArea({0, 0}, {0, 0}, MemoMeasures{}));
}

TEST(DeleteRule, NothingWithContentGoesForGoodUnasked) {
  using A = DeleteAction;
  const struct {
    DeleteKeys keys;
    bool content, unreadable;
    DeleteAction action;
  } cases[] = {
      {{true, true, true}, true, false, A::ToTemporaryStorage},  // Alt wins over everything
      {{false, true, false}, true, false, A::ForGood},
      {{false, true, false}, false, true, A::Ask},  // an unreadable file may hold the words
      {{false, false, true}, true, false, A::ToRecycleBin},
      {{}, false, false, A::ForGood},
      {{}, true, false, A::Ask},   // text, or only a picture
      {{}, false, true, A::Ask},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideDelete(c.keys, c.content, c.unreadable), c.action);
}

TEST(Arranging, NewMemosFillTheFirstGapOfTheColumnChain) {
  const ColumnLayout layout{Rect{0, 0, 1000, 400}, 180, 100, 15};
  EXPECT_EQ(NewMemoRect({}, layout), (Rect{820, 15, 1000, 115}));
  // Three of height 100 fill column 0; a fourth would end at 415 > 400, so column 1 starts at 0.
  std::vector<Rect> memos = {{820, 15, 1000, 115}, {820, 115, 1000, 215}, {820, 215, 1000, 315}};
  EXPECT_EQ(NewMemoRect(memos, layout), (Rect{640, 0, 820, 100}));
  memos.push_back({640, 0, 820, 100});
  EXPECT_EQ(NewMemoRect(memos, layout), (Rect{640, 100, 820, 200}));
  // A gap in the chain is filled first; memos elsewhere leave the top right corner free.
  EXPECT_EQ(NewMemoRect({{820, 15, 1000, 115}, {820, 215, 1000, 315}}, layout), (Rect{820, 115, 1000, 215}));
  EXPECT_EQ(NewMemoRect({{100, 100, 280, 200}}, layout), (Rect{820, 15, 1000, 115}));
  EXPECT_EQ(NewMemoRect({{821, 15, 1001, 115}}, layout), (Rect{820, 15, 1000, 115}));  // one pixel off

  // "정렬" keeps the memo's size and skips the memo itself.
  const std::vector<Rect> group = {{820, 15, 1000, 115}, {300, 300, 400, 350}};
  EXPECT_EQ(ArrangedMemoRect(group, 1, layout), (Rect{900, 115, 1000, 165}));
  EXPECT_EQ(ArrangedMemoRect(group, 0, layout), (Rect{820, 15, 1000, 115}));
}

TEST(Arranging, ArrangeAllFillsColumnsFromTheTopRight) {
  const ColumnLayout layout{Rect{0, 0, 1000, 400}, 180, 100, 15};
  // The five memos of height 100: three in column 0 from 15, then column 1 from the very top.
  const std::vector<Size> five(5, Size{180, 100});
  const std::vector<Rect> placed = ArrangeAll(five, layout, 180);
  const std::vector<Rect> expected = {{820, 15, 1000, 115}, {820, 115, 1000, 215}, {820, 215, 1000, 315},
                                      {640, 0, 820, 100},   {640, 100, 820, 200}};
  EXPECT_EQ(placed, expected);
  // Folded memos of 18 pixels: 21 fit below 15 in one column, the rest 180 to the left.
  const std::vector<Rect> folded = ArrangeAll(std::vector<Size>(25, Size{180, 18}), layout, 180);
  EXPECT_EQ(folded[20], (Rect{820, 375, 1000, 393}));
  EXPECT_EQ(folded[21], (Rect{640, 0, 820, 18}));
  // Wider memos keep their width and overlap the next column; one taller than the area stands
  // alone, reaching below it, and so does the memo after it.
  EXPECT_EQ(ArrangeAll({{250, 100}, {180, 500}, {180, 100}}, layout, 180),
            (std::vector<Rect>{{750, 15, 1000, 115}, {640, 0, 820, 500}, {460, 0, 640, 100}}));

  // A hand-placed layout read by columns, right to left, then top to bottom.
  const std::vector<Rect> hand = {{500, 300, 600, 400}, {900, 200, 1000, 300}, {880, 10, 999, 100},
                                  {520, 10, 620, 100}};
  EXPECT_EQ(OrderByPosition(hand, 180), (std::vector<std::size_t>{2, 1, 3, 0}));
}

}  // namespace
}  // namespace quillet
