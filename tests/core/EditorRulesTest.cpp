#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/ClickedAddress.h"
#include "memo/FontSizes.h"
#include "memo/MemoMacro.h"
#include "settings/SettingsStore.h"

namespace quillet {
namespace {

// Tuesday, 8 December 2026.
LocalTime At(int hour, int minute, int second) { return LocalTime{2026, 12, 8, hour, minute, second, 0, 2}; }

std::vector<std::string> BuiltInMacrosAt(const LocalTime& time) {
  std::vector<std::string> texts;
  for (const std::string& format : ReadMemoMacros(testing::MemorySettingsBackend{})) {
    texts.push_back(ExpandMacro(format, time));
  }
  return texts;
}

TEST(MemoMacro, BuiltInFormatsAfternoonMidnightAndNoon) {
  EXPECT_EQ(BuiltInMacrosAt(At(13, 5, 9)),
            (std::vector<std::string>{"2026-12-08", "26-12-08", "08/12/2026", "2026년 12월 08일",
                                      "2026년 12월 08일 화요일", "오후 01:05:09", "13:05:09"}));
  const struct {
    LocalTime time;
    const char* twelveHour;
    const char* twentyFourHour;
  } cases[] = {
      {At(0, 0, 0), "오전 00:00:00", "00:00:00"},
      {At(12, 0, 0), "오후 00:00:00", "12:00:00"},
      {At(11, 59, 59), "오전 11:59:59", "11:59:59"},
      {At(23, 1, 2), "오후 11:01:02", "23:01:02"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> texts = BuiltInMacrosAt(c.time);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[5], c.twelveHour);
    EXPECT_EQ(texts[6], c.twentyFourHour);
  }
}

TEST(MemoMacro, ReplacesEveryOccurrenceAndLeavesTheRest) {
  const char* const shortNames[] = {"일", "월", "화", "수", "목", "금", "토"};
  const char* const longNames[] = {"일요일", "월요일", "화요일", "수요일", "목요일", "금요일", "토요일"};
  for (int day = 0; day < 7; ++day) {
    LocalTime time = At(9, 0, 0);
    time.weekday = day;
    EXPECT_EQ(ExpandMacro("%a(%A)", time), std::string(shortNames[day]) + "(" + longNames[day] + ")");
  }
  const LocalTime early{987, 3, 4, 5, 6, 7, 0, 0};
  EXPECT_EQ(ExpandMacro("%Y %y %B %d %k %l %M %S", early), "0987 87 03 04 05 05 06 07");
  EXPECT_EQ(ExpandMacro("%d.%d.%d %p%p", early), "04.04.04 오전오전");
  EXPECT_EQ(ExpandMacro("100% %H %Q %", early), "100% %H %Q %");
}

TEST(FontSizes, StepsThroughTheTableAndStopsAtItsEnds) {
  const struct {
    int points, up, down;
  } cases[] = {
      {8, 9, 8}, {12, 14, 11}, {28, 36, 26}, {48, 72, 36}, {72, 72, 48}, {13, 13, 13}, {0, 0, 0}, {100, 100, 100},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepFontSize(c.points, 1), c.up) << c.points;
    EXPECT_EQ(StepFontSize(c.points, -1), c.down) << c.points;
  }
  EXPECT_EQ(EditorHeightOf(10), 180);
  EXPECT_EQ(PointsOfEditorHeight(180, 0), 10);
  EXPECT_EQ(PointsOfEditorHeight(188, 0), 10);
  EXPECT_EQ(PointsOfEditorHeight(180, 18), 11);
  // RTF keeps half points: every size of the table must come back from a saved memo, so that it
  // still steps (18 points are 324 twips, saved as 16 points, read back as 320).
  for (int points : kFontSizes) EXPECT_EQ(PointsOfEditorHeight(EditorHeightOf(points) / 10 * 10, 0), points);
}

TEST(ClickedAddress, TheWordReachesAHundredCharactersEachWayUpToASpaceCrOrLf) {
  const std::string longRun(250, 'x');
  const std::string hangul = [] {
    std::string text;
    for (int i = 0; i < 150; ++i) text += "한";
    return text;
  }();
  const struct {
    std::string text;
    std::size_t offset;
    std::string word;
  } cases[] = {
      {"see https://example.org/a now", 9, "https://example.org/a"},
      {"see https://example.org/a now", 4, "https://example.org/a"},
      {"see https://example.org/a now", 24, "https://example.org/a"},
      {"see https://example.org/a now", 25, "https://example.org/a"},  // the space after it
      {"one\r\nword\nnext", 6, "word"},
      {"one\r\nword\nnext", 4, ""},  // between CR and LF
      {"가나 www.예제.kr 다", 7, "www.예제.kr"},
      {"가나 www.예제.kr 다", 10, "www.예제.kr"},  // inside a two-byte character
      {"end", 99, "end"},                        // past the text: its last word
      {"", 0, ""},
      {longRun, 120, longRun.substr(20, 200)},
      {longRun, 0, longRun.substr(0, 100)},
      {longRun, 249, longRun.substr(149)},
      {hangul, 0, hangul.substr(0, 200)},  // characters, not bytes
      {hangul, 298, hangul.substr(98)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WordAt(c.text, c.offset), c.word) << c.text.substr(0, 40) << " @" << c.offset;
  }
}

TEST(ClickedAddress, OnlyAddressesAndExistingAbsolutePathsOpen) {
  testing::MemoryFileSystem files;
  files.AddFile("C:\\Memo\\list.txt", "x");
  files.AddFile("\\\\server\\share\\plan.rtf", "x");
  files.AddFolder("D:\\Photos");
  const struct {
    const char* word;
    std::optional<std::string> address;
  } cases[] = {
      {"https://example.org/a", "https://example.org/a"},
      {"FTP://files.example.org", "FTP://files.example.org"},
      {"svn+ssh://host/repo", "svn+ssh://host/repo"},
      {"mailto:kim@example.org", "mailto:kim@example.org"},
      {"MailTo:kim@example.org", "MailTo:kim@example.org"},
      {"www.example.org", "http://www.example.org"},
      {"WWW.example.org/a?b", "http://WWW.example.org/a?b"},
      {"C:\\Memo\\list.txt", "C:\\Memo\\list.txt"},
      {"d:\\photos", "d:\\photos"},
      {"\\\\server\\share\\plan.rtf", "\\\\server\\share\\plan.rtf"},
      {"C:\\Memo\\missing.txt", std::nullopt},
      {"\\\\server\\share\\missing.rtf", std::nullopt},
      {"shutdown", std::nullopt},
      {"format", std::nullopt},
      {"calc.exe", std::nullopt},
      {"Memo\\list.txt", std::nullopt},
      {"example.org/a", std::nullopt},
      {"C://Memo", std::nullopt},  // a drive letter is no scheme
      {"1http://x", std::nullopt},
      {"https://", std::nullopt},
      {"mailto:", std::nullopt},
      {"www.", std::nullopt},
      {"javascript:alert(1)", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(AddressToOpen(c.word, files), c.address) << c.word;
}

}  // namespace
}  // namespace quillet
