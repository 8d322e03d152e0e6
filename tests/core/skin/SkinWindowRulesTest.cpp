#include <gtest/gtest.h>

#include <string>

#include "skin/SkinWindowRules.h"

namespace quillet {
namespace {

// Compared as text, so a failure shows the coordinates.
std::string Text(const Rect& r) {
  using std::to_string;
  return '{' + to_string(r.left) + ',' + to_string(r.top) + ',' + to_string(r.right) + ',' + to_string(r.bottom) + '}';
}

constexpr Size kScreen{1024, 768};

TEST(FitSkinWindow, KeepsDockedEdgesAndStaysOnScreen) {
  struct Row {
    const char* name;
    Rect current, proposed, expected;
    int monitors;
  };
  const Row rows[] = {
      {"inside stays", {100, 100, 250, 250}, {100, 100, 300, 300}, {100, 100, 300, 300}, 1},
      {"docked right, wider skin", {870, 100, 1022, 252}, {870, 100, 1070, 300}, {820, 100, 1020, 300}, 1},
      {"docked right, narrower skin", {870, 100, 1022, 252}, {870, 100, 970, 200}, {920, 100, 1020, 200}, 1},
      {"two pixels past the edge is docked", {872, 100, 1024, 252}, {872, 100, 922, 150}, {970, 100, 1020, 150}, 1},
      {"two pixels short of it is docked", {868, 100, 1020, 252}, {868, 100, 918, 150}, {970, 100, 1020, 150}, 1},
      {"three pixels short is not", {867, 100, 1019, 252}, {867, 100, 917, 150}, {867, 100, 917, 150}, 1},
      {"docked at the bottom", {100, 614, 250, 766}, {100, 614, 300, 814}, {100, 564, 300, 764}, 1},
      {"off the top left", {0, 0, 100, 100}, {-30, -5, 70, 95}, {0, 0, 100, 100}, 1},
      {"past the bottom right", {800, 600, 900, 700}, {950, 700, 1050, 800}, {922, 666, 1022, 766}, 1},
      {"wider than the screen keeps its right edge", {0, 0, 100, 100}, {0, 0, 2000, 100}, {-978, 0, 1022, 100}, 1},
      {"several monitors: unchanged", {870, 100, 1022, 252}, {-30, 700, 1070, 800}, {-30, 700, 1070, 800}, 2},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Text(FitSkinWindow(row.current, row.proposed, kScreen, row.monitors)), Text(row.expected)) << row.name;
  }
}

TEST(Transparency, CommandsAlphasAndTheCheckedStep) {
  const int alphas[] = {26, 51, 77, 102, 128, 153, 179, 204, 230, 255};
  for (unsigned i = 0; i < 10; ++i) {
    EXPECT_EQ(TransparencyAlpha(32844 + i), alphas[i]) << i;
    EXPECT_EQ(TransparencyCommand(alphas[i]), 32844 + i) << i;
  }
  EXPECT_EQ(TransparencyAlpha(32843), std::nullopt);
  EXPECT_EQ(TransparencyAlpha(32854), std::nullopt);
  const std::pair<int, unsigned> nearest[] = {{-5, 32844}, {0, 32844}, {38, 32844}, {39, 32845},
                                              {64, 32846}, {254, 32853}, {1000, 32853}};
  for (const auto& [alpha, command] : nearest) EXPECT_EQ(TransparencyCommand(alpha), command) << alpha;
}

TEST(SkinCommands, UpperCasedThenComparedExactly) {
  struct Row {
    std::string command, upper;
    SkinCommand expected;
  };
  // "\x8C" "c" is 똠, "\x8B" "t" 땤: trail bytes that look like lower-case letters.
  const Row rows[] = {
      {"close", "CLOSE", SkinCommand::Hide},
      {"<hide_window>", "<HIDE_WINDOW>", SkinCommand::Hide},
      {"<Clock_Setup>", "<CLOCK_SETUP>", SkinCommand::ClockSetup},
      {"<CALENDAR_SETUP>", "<CALENDAR_SETUP>", SkinCommand::CalendarSetup},
      {"<alarm_setup>", "<ALARM_SETUP>", SkinCommand::AlarmSetup},
      {"<add_alarm>", "<ADD_ALARM>", SkinCommand::AddAlarm},
      {"<destroy_window>", "<DESTROY_WINDOW>", SkinCommand::DestroyWindow},
      {" close", " CLOSE", SkinCommand::None},
      {"<close>", "<CLOSE>", SkinCommand::None},
      {"<\x8C" "chide>", "<\x8C" "cHIDE>", SkinCommand::None},
      {"\x8C" "c\x8B" "tx", "\x8C" "c\x8B" "tX", SkinCommand::None},
      {"abc\x8C", "ABC\x8C", SkinCommand::None},
  };
  for (const Row& row : rows) {
    const std::string upper = UpperCaseSkinCommand(row.command);
    EXPECT_EQ(upper, row.upper) << row.command;
    EXPECT_EQ(BaseSkinCommand(upper), row.expected) << row.command;
  }
}

TEST(SkinEditor, LineBreaksInAndOut) {
  using namespace std::string_literals;
  const std::pair<std::string, std::string> editing[] = {
      {"a\nb", "a\r\nb"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\rb", "a\r\nb"},
      {"\r\n\n\r", "\r\n\r\n\r\n"},
      {"a\n\n", "a\r\n\r\n"},
      {"", ""},
      {"\x8C" "c\0\xFF=\x81\n"s, "\x8C" "c\0\xFF=\x81\r\n"s},
  };
  for (const auto& [file, shown] : editing) EXPECT_EQ(SkinTextForEditing(file), shown) << file;
  const std::pair<std::string, std::string> saving[] = {
      {"a\r\nb\r\n\r\n", "a\r\nb"},
      {"a\nb\n", "a\r\nb"},
      {"a\r\n\r\nb", "a\r\n\r\nb"},
      {"a \r\n", "a "},
      {"\r\n\r\n", ""},
      {"[Background]\r\n\x8C" "c\0\xFF"s, "[Background]\r\n\x8C" "c\0\xFF"s},
  };
  for (const auto& [edited, written] : saving) EXPECT_EQ(SkinTextForSaving(edited), written) << edited;
}

}  // namespace
}  // namespace quillet
