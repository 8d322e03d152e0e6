#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "settings/PreferenceRules.h"
#include "settings/RunHistory.h"

namespace quillet {
namespace {

TEST(PreferenceRules, GridsShowTheNearestItemAndRefuseIndexesOutside) {
  const struct {
    ValueGrid grid;
    int value;
    int index;
  } kCases[] = {
      {kNewMemoWidthGrid, 180, 8},      {kNewMemoWidthGrid, 184, 8},  {kNewMemoWidthGrid, 185, 8},  // a tie: the lower
      {kNewMemoWidthGrid, 186, 9},      {kNewMemoWidthGrid, 99, 0},   {kNewMemoWidthGrid, INT_MIN, 0},
      {kNewMemoWidthGrid, 300, 20},     {kNewMemoWidthGrid, 311, 20}, {kNewMemoWidthGrid, INT_MAX, 20},
      {kNewMemoHeightGrid, 100, 4},     {kSecondsAroundGrid, 0, 0},   {kSecondsAroundGrid, 11, 9},
      {kClockShownSecondsGrid, 15, 14},
  };
  for (const auto& c : kCases) EXPECT_EQ(GridIndexOf(c.grid, c.value), c.index) << c.value;

  for (const ValueGrid& grid : {kNewMemoWidthGrid, kNewMemoHeightGrid, kFoldedWidthGrid, kSecondsAroundGrid,
                                kClockShownSecondsGrid}) {
    for (int i = 0; i < grid.count; ++i) EXPECT_EQ(GridIndexOf(grid, *GridValueAt(grid, i)), i);
    EXPECT_EQ(GridValueAt(grid, -1), std::nullopt);  // CB_ERR
    EXPECT_EQ(GridValueAt(grid, grid.count), std::nullopt);
  }
  EXPECT_EQ(GridValueAt(kFoldedWidthGrid, 24), 300);

  EXPECT_EQ(ChoiceIndexOf(-3, 4), 0);
  EXPECT_EQ(ChoiceIndexOf(2, 4), 2);
  EXPECT_EQ(ChoiceIndexOf(9, 4), 3);
  EXPECT_EQ(ChoiceIndexOf(5, 0), 0);
}

TEST(PreferenceRules, MinutesRoundTripAndOutOfRangeShowsTheEnds) {
  for (int i = 0; i <= 59; ++i) EXPECT_EQ(MinuteIndexOf(*MinuteAt(i)), i);
  EXPECT_EQ(MinuteAt(0), kMinuteOff);
  EXPECT_EQ(MinuteAt(-1), std::nullopt);
  EXPECT_EQ(MinuteAt(60), std::nullopt);
  for (int off : {0, -1, -30, INT_MIN}) EXPECT_EQ(MinuteIndexOf(off), 0) << off;
  for (int high : {60, 1000, INT_MAX}) EXPECT_EQ(MinuteIndexOf(high), 59) << high;
}

TEST(PreferenceRules, TransparencyLabelsAndRange) {
  const struct {
    int value;
    const char* label;
  } kLabels[] = {{255, "100 %"}, {254, "99 %"}, {204, "80 %"}, {128, "50 %"}, {51, "20 %"}, {26, "10 %"}, {0, "0 %"}};
  for (const auto& c : kLabels) EXPECT_EQ(TransparencyLabel(c.value), c.label) << c.value;
  for (int v = 0; v <= 255; ++v) EXPECT_EQ(TransparencyLabel(v), std::to_string(v * 100 / 255) + " %") << v;

  EXPECT_EQ(ClampTransparency(0), 26);
  EXPECT_EQ(ClampTransparency(26), 26);
  EXPECT_EQ(ClampTransparency(200), 200);
  EXPECT_EQ(ClampTransparency(256), 255);
}

TEST(PreferenceRules, TipModeHidingAndAlwaysOnTop) {
  EXPECT_TRUE(MemoHidingSelectable(MemoTipMode::None));
  EXPECT_FALSE(MemoHidingSelectable(MemoTipMode::Hover));
  EXPECT_TRUE(StoredMemoHiding(MemoTipMode::None, true));
  EXPECT_FALSE(StoredMemoHiding(MemoTipMode::None, false));
  EXPECT_FALSE(StoredMemoHiding(MemoTipMode::Selected, true));

  using Z = ZPosition;
  const struct {
    Z stored;
    bool ticked;
    Z result;
  } kZ[] = {{Z::Normal, true, Z::AlwaysOnTop},      {Z::Desktop, true, Z::AlwaysOnTop},
            {Z::AlwaysOnTop, true, Z::AlwaysOnTop}, {Z::AlwaysOnTop, false, Z::Normal},
            {Z::Desktop, false, Z::Desktop},        {Z::Normal, false, Z::Normal}};
  for (const auto& c : kZ) {
    const int stored = static_cast<int>(c.stored);
    EXPECT_EQ(StoredMemoZPosition(c.stored, c.ticked), c.result) << stored << c.ticked;
    // What the box shows must survive an apply that leaves it alone.
    EXPECT_EQ(StoredMemoZPosition(c.stored, IsMemoAlwaysOnTop(c.stored)), c.stored) << stored;
  }
}

TEST(PreferenceRules, DataFolderBelowTheProgramFolder) {
  const struct {
    const char* data;
    const char* program;
    bool below;
  } kCases[] = {
      {"C:\\Tools\\Data\\", "C:\\Tools\\", true},
      {"c:\\TOOLS\\data\\", "C:\\Tools\\", true},
      {"C:\\Tools\\", "C:\\Tools\\", true},
      {"C:\\Tool", "C:\\Tools\\", false},
      {"D:\\Tools\\Data\\", "C:\\Tools\\", false},
      {"C:\\Tools\\\xB0\x61\\Data\\", "C:\\Tools\\\xB0\x61\\", true},
      {"C:\\Tools\\\xB0\x61\\Data\\", "C:\\Tools\\\xB0\x41\\", false},  // a trail byte, not a letter
      {"C:\\Tools\\", "", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsBelowProgramFolder(c.data, c.program), c.below) << c.data << " " << c.program;

  EXPECT_EQ(AutostartCommand(L"C:\\A B\\Quillet.exe"), L"\"C:\\A B\\Quillet.exe\" /logon");
}

class MapHistory final : public HistoryValues {
 public:
  std::string Read(std::string_view name) const override {
    const auto it = values.find(std::string(name));
    return it == values.end() ? "" : it->second;
  }
  void Write(std::string_view name, std::string_view value) override { values[std::string(name)] = value; }
  bool Delete(std::string_view name) override {
    ++deletes;
    return alwaysDeletes || values.erase(std::string(name)) > 0;
  }

  std::map<std::string, std::string> values;
  bool alwaysDeletes = false;
  int deletes = 0;
};

TEST(RunHistory, LoadAddSaveAndClear) {
  MapHistory stored;
  for (int i = 0; i < 12; ++i) stored.values["Script" + std::to_string(i)] = "cmd" + std::to_string(i);
  stored.values["Script13"] = "stray";  // beyond the gap at 12
  stored.values["Script"] = "notepad";

  RunHistory history;
  history.Load(stored);
  ASSERT_EQ(history.entries().size(), 10u);
  EXPECT_EQ(history.entries()[9], "cmd9");
  EXPECT_EQ(history.current(), "notepad");

  history.Add("cmd4");
  history.Add("");
  EXPECT_EQ(history.entries(),
            (std::vector<std::string>{"cmd4", "cmd0", "cmd1", "cmd2", "cmd3", "cmd5", "cmd6", "cmd7", "cmd8", "cmd9"}));
  EXPECT_EQ(history.current(), "cmd4");

  history.Save(stored);
  EXPECT_EQ(stored.values["Script0"], "cmd4");
  EXPECT_EQ(stored.values["Script4"], "cmd3");
  EXPECT_EQ(stored.values["Script9"], "cmd9");
  EXPECT_EQ(stored.values.count("Script10") + stored.values.count("Script11"), 0u);
  EXPECT_EQ(stored.values["Script13"], "stray");  // deletion stops at the first missing name
  EXPECT_EQ(stored.values["Script"], "cmd4");

  history.Add("calc");
  EXPECT_EQ(history.entries().front(), "calc");
  EXPECT_EQ(history.entries().back(), "cmd8");

  RunHistory reloaded;
  reloaded.Load(stored);
  EXPECT_EQ(reloaded.entries()[1], "cmd0");
  reloaded.Clear(stored);
  EXPECT_TRUE(reloaded.entries().empty());
  EXPECT_EQ(reloaded.current(), "");
  EXPECT_EQ(stored.values, (std::map<std::string, std::string>{{"Script13", "stray"}}));

  // A store that claims every name existed must not keep the loops going.
  MapHistory endless;
  endless.alwaysDeletes = true;
  history.Save(endless);
  EXPECT_EQ(endless.deletes, 1000 - 10);
  endless.deletes = 0;
  history.Clear(endless);
  EXPECT_EQ(endless.deletes, 1000 + 1);
}

}  // namespace
}  // namespace quillet
