#include <gtest/gtest.h>

#include <climits>

#include "MemoryFileSystem.h"
#include "memo/MemoRecord.h"
#include "memo/MemoTimes.h"
#include "memo/Placement.h"
#include "memo/TitleFont.h"
#include "settings/Settings.h"
#include "storage/Paths.h"

namespace quillet {
namespace {

TEST(TitleFont, ReadsTheSixFieldsAndWritesThemBack) {
  const TitleFont font = ParseTitleFont("7816192|1|0|1|-14|맑은 고딕");
  EXPECT_EQ(font.color, 7816192u);
  EXPECT_TRUE(font.italic);
  EXPECT_FALSE(font.underline);
  EXPECT_EQ(font.weight, 700);
  EXPECT_EQ(font.height, -14);
  EXPECT_EQ(font.face, "맑은 고딕");
  EXPECT_EQ(FormatTitleFont(font), "7816192|1|0|1|-14|맑은 고딕");
  // A regular or light font stays regular through a save; the face keeps everything after the fifth bar.
  TitleFont light = font;
  light.weight = 300;
  light.face = "A|B";
  EXPECT_EQ(ParseTitleFont(FormatTitleFont(light)).weight, 400);
  EXPECT_EQ(ParseTitleFont(FormatTitleFont(light)).face, "A|B");
  EXPECT_EQ(FormatTitleFont(TitleFont{}), "8404992|0|0|0|13|Tahoma");
  light.weight = 600;
  EXPECT_EQ(ParseTitleFont(FormatTitleFont(light)).weight, 700);
}

TEST(TitleFont, TextThatDoesNotParseGivesTheFallbackFont) {
  for (const char* text : {"", "1|0|0|0|14", "1|0|0|0|14|", "Tahoma", "||||"}) {
    EXPECT_EQ(ParseTitleFont(text), TitleFont{}) << text;
  }
  EXPECT_EQ(ParseTitleFont("|||||x").face, "x");
}

TEST(MemoTimes, NamesAndTimeTexts) {
  const LocalTime t{2009, 3, 17, 10, 10, 5, 123, 2};
  EXPECT_EQ(ContentFileNameAt(t), "20090317101005123.rtf");
  EXPECT_EQ(ContentFileNameAt(LocalTime{2026, 1, 2, 3, 4, 5, 6, 5}), "20260102030405006.rtf");
  EXPECT_EQ(TimeText(t), "2009-3-17 10:10");
  EXPECT_EQ(TimeText(LocalTime{2026, 12, 8, 0, 5, 0, 0, 2}), "2026-12-8 00:05");

  testing::MemoryFileSystem files;
  EXPECT_EQ(FileTimeText(files, "C:\\none.rtf", t), "2009-3-17 10:10");

  files.AddFile("C:\\m\\20090317101005123.rtf", "");
  files.AddFile("C:\\m\\20090317101005125.BRT", "");
  EXPECT_EQ(FreeContentFileName(files, "C:\\m\\", t, {"20090317101005124.RTF", "20090317101005127.rtf"}),
            "20090317101005126.rtf");
  files.AddFile("C:\\m\\20090317101005999.rtf", "");
  EXPECT_EQ(FreeContentFileName(files, "C:\\m\\", LocalTime{2009, 3, 17, 10, 10, 5, 999, 2}, {}),
            "20090317101006000.rtf");
}

TEST(MemoRecord, NewMemosTakeTheirDefaultsFromTheSettings) {
  GeneralSettings general;
  general.backgroundColor = FixedMemoValues::kNewMemoBackgroundColor;
  general.memoZPosition = ZPosition::AlwaysOnTop;
  general.titleFont = "1|0|0|0|14|Tahoma";
  const MemoRecord record = NewMemoRecord(general);
  EXPECT_EQ(record.version, 150);
  EXPECT_EQ(record.backColor, 0xB5BED6u);
  EXPECT_EQ(record.paletteColor, 0xC6C6C6u);
  EXPECT_EQ(record.expanded, 1);
  EXPECT_EQ(record.zPosition, 1);
  EXPECT_EQ(record.titleFont, general.titleFont);
  EXPECT_TRUE(record.title.empty());
}

TEST(Placement, WindowsOnAScreenStayAndOthersMoveOntoThePrimaryOne) {
  const ScreenGeometry screens{Size{1920, 1080}, {Rect{0, 0, 1920, 1080}, Rect{1920, 0, 3200, 1024}}};
  const Rect onPrimary{0, 0, 1920, 1080};
  const Rect onSecond{2000, 50, 2600, 400};
  const Rect halfOnSecond{1800, 50, 2200, 400};  // centre at 2000
  EXPECT_EQ(CorrectMemoPlacement(onPrimary, screens), onPrimary);
  EXPECT_EQ(CorrectMemoPlacement(onSecond, screens), onSecond);
  EXPECT_EQ(CorrectMemoPlacement(halfOnSecond, screens), halfOnSecond);
  EXPECT_EQ(CorrectMemoPlacement(Rect{-300, -50, -100, 50}, screens), (Rect{0, 0, 200, 100}));
  EXPECT_EQ(CorrectMemoPlacement(Rect{3300, 1000, 3500, 1200}, screens), (Rect{1720, 880, 1920, 1080}));
  // Left first, then right: a window wider than the screen ends up with its right edge on it.
  EXPECT_EQ(CorrectMemoPlacement(Rect{-10, 2000, 2000, 2100}, screens), (Rect{-90, 980, 1920, 1080}));
}

TEST(Placement, ValuesFromADamagedFileNeverOverflow) {
  const ScreenGeometry screens{Size{800, 600}, {Rect{0, 0, 800, 600}}};
  EXPECT_EQ(CorrectMemoPlacement(Rect{INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX}, screens),
            (Rect{790, 590, 800, 600}));
  EXPECT_EQ(CorrectMemoPlacement(Rect{INT_MIN, 0, INT_MIN + 10, 10}, screens), (Rect{0, 0, 10, 10}));
  const Rect everywhere{INT_MIN, INT_MIN, INT_MAX, INT_MAX};  // centred on the screen
  EXPECT_EQ(CorrectMemoPlacement(everywhere, screens), everywhere);
}

TEST(Paths, FoldersAndNames) {
  EXPECT_EQ(NormaliseFolder("C:\\\\Tools\\\\memo_data\\\\"), "C:\\Tools\\memo_data\\");
  EXPECT_EQ(NormaliseFolder("C:\\Tools"), "C:\\Tools\\");
  EXPECT_EQ(NormaliseFolder("\\\\server\\share\\\\memo"), "\\\\server\\share\\memo\\");
  EXPECT_EQ(NormaliseFolder(""), "");
  EXPECT_EQ(ReplaceAll("a$b$c", "$", "$$"), "a$$b$$c");
  EXPECT_EQ(PathKey("C:\\Memo\\사용법.QLD"), "c:\\memo\\사용법.qld");
  // CP949 trail bytes in the letter range are part of their character, not letters.
  EXPECT_EQ(PathKey("\xB0\x41"), "\xB0\x41");

  for (const char* bad : {"", ".", "..", "..\\x.rtf", "a/b.rtf", "C:x.rtf", "\\\\host\\x"}) {
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
  }
  EXPECT_FALSE(IsPlainFileName(std::string("a\0b", 3)));
  EXPECT_TRUE(IsPlainFileName("20090317101005123.rtf"));
  EXPECT_TRUE(IsPlainFileName("회의록..rtf"));
}

}  // namespace
}  // namespace quillet
