#include <gtest/gtest.h>

#include <algorithm>

#include "MemoryFileSystem.h"
#include "skin/SkinFile.h"
#include "skin/SkinList.h"
#include "storage/Paths.h"

namespace quillet {
namespace {

SkinFile FromFile(const std::string& bytes, SkinIssues* issues = nullptr) {
  SkinFile skin;
  skin.LoadFromFileBytes(bytes, issues);
  return skin;
}

TEST(SkinReading, SectionsKeysAndTheirTrimming) {
  const SkinFile skin = FromFile(
      "stray = line\n"
      "[ Clock ]\r\n"
      "  X  =  5 \r\n"
      "Text = a = b\n"
      "X = 7\n"
      "=nokey\n"
      "novalue =   \n"
      "no equals\n"
      "[Clock]x\n"
      "Y=1\n"
      "[Empty]\n"
      "# just a comment\n"
      "[]\n"
      "Z=1\n"
      "[Clock]\n"
      "Tab\t=\tv\t\n");
  ASSERT_EQ(skin.sections().size(), 3u);
  const SkinSection& clock = skin.sections()[0];
  EXPECT_EQ(clock.name(), "Clock");
  EXPECT_EQ(clock.String("X", ""), "7");  // the last value of a key wins
  EXPECT_EQ(clock.String("Text", ""), "a = b");
  EXPECT_FALSE(clock.Has("novalue"));
  EXPECT_EQ(skin.sections()[1].name(), "Clock]x");
  // Names repeat; tabs are not blanks.
  EXPECT_EQ(skin.sections()[2].name(), "Clock");
  EXPECT_EQ(skin.sections()[2].String("Tab\t", ""), "\tv\t");
}

TEST(SkinReading, FilesDropCommentsButTextsKeepEveryLine) {
  SkinFile fromText;
  fromText.LoadFromText("[A]\n#Key=1\nOther=2\n[B]\n#only a comment line\nLast=3");
  ASSERT_EQ(fromText.sections().size(), 2u);
  EXPECT_EQ(fromText.sections()[0].String("#Key", ""), "1");
  EXPECT_EQ(fromText.sections()[1].String("Last", ""), "3");  // no newline at the end

  const SkinFile fromFile = FromFile("[A]\n#Key=1\nOther=2\n[B]\n#only a comment line\n");
  ASSERT_EQ(fromFile.sections().size(), 1u);
  EXPECT_FALSE(fromFile.sections()[0].Has("#Key"));
}

TEST(SkinReading, LongFileLinesContinueAsFurtherLines) {
  SkinIssues issues;
  const std::string value(1100, 'v');
  const SkinFile skin = FromFile("[A]\nKey=" + value + "\n", &issues);
  ASSERT_EQ(skin.sections().size(), 1u);
  EXPECT_EQ(skin.sections()[0].String("Key", "").size(), 1023u - 4);
  EXPECT_FALSE(issues.empty());
}

TEST(SkinReading, AccessorsFollowTheRuntimesConversions) {
  SkinSection section("S");
  section.Set("Quoted", "\"5\"");
  section.Set("Name", "\"\"a.png\"");
  section.Set("Inner", "a\"b");
  section.Set("Real", " -3.5e1x");
  section.Set("Word", "abc");
  EXPECT_EQ(section.Int("Quoted", 9), 0);
  EXPECT_EQ(section.String("Quoted", ""), "5");
  EXPECT_EQ(section.String("Name", ""), "a.png");
  EXPECT_EQ(section.String("Inner", ""), "a\"b");
  EXPECT_FLOAT_EQ(section.Real("Real", 0), -35.0f);
  EXPECT_EQ(section.Int("Word", 9), 0);
  EXPECT_EQ(section.Int("Missing", 9), 9);
  EXPECT_TRUE(section.Bool("Missing", true));
  EXPECT_EQ(section.String("Missing", "d"), "d");
}

TEST(SkinColors, DecimalAndHexadecimalForms) {
  EXPECT_EQ(ParseSkinColor("0,0,0,255"), 0xFF000000u);
  EXPECT_EQ(ParseSkinColor("255,0,0"), 0xFFFF0000u);
  EXPECT_EQ(ParseSkinColor("200, 0, 200"), 0xFFC800C8u);
  EXPECT_EQ(ParseSkinColor("10,20"), 0xFF0A14FFu);
  EXPECT_EQ(ParseSkinColor(",,10,,20"), 0xFF0A14FFu);  // empty fields are skipped
  EXPECT_EQ(ParseSkinColor("256,0,0,255"), 0xFF000000u);  // components keep their low byte
  EXPECT_EQ(ParseSkinColor("FF8000"), 0xFFFF8000u);
  EXPECT_EQ(ParseSkinColor("FF800080"), 0x80FF8000u);
  EXPECT_EQ(ParseSkinColor("00FF00"), 0xFF00FF00u);
  EXPECT_EQ(ParseSkinColor("00FF0080"), 0x8000FF00u);
  EXPECT_EQ(ParseSkinColor("FF8000 80"), 0xFFFF8000u);  // a blank seventh character: no alpha
  EXPECT_TRUE(IsWellFormedSkinColor("85,125,160,255"));
  EXPECT_TRUE(IsWellFormedSkinColor("FF8000"));
  EXPECT_FALSE(IsWellFormedSkinColor("red"));
  EXPECT_FALSE(IsWellFormedSkinColor("0xFF8000"));
}

TEST(SkinList, ArchivedSkinFilesOfEverySubfolderInOrder) {
  testing::MemoryFileSystem files;
  files.AddFile("C:\\Prog\\ClockSkin\\Plain\\Plain.ski", "");
  files.AddFile("C:\\Prog\\ClockSkin\\Plain\\notes.txt", "");
  files.AddFile("C:\\Prog\\ClockSkin\\Hidden\\Hidden.ski", "", /*archive=*/false);
  files.AddFile("C:\\Prog\\ClockSkin\\Two\\Day.ski", "");
  files.AddFile("C:\\Prog\\ClockSkin\\Two\\Night.ski", "");
  const std::vector<SkinChoice> skins = ListSkins(files, "C:\\Prog\\ClockSkin\\");
  ASSERT_EQ(skins.size(), 3u);
  std::vector<std::string> texts;
  for (const SkinChoice& skin : skins) texts.push_back(skin.menuText);
  EXPECT_EQ(skins[0].command, 5024);
  EXPECT_EQ(skins[2].command, 5026);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Night"), texts.end());
  EXPECT_EQ(skins[0].path.rfind("C:\\Prog\\ClockSkin\\", 0), 0u);

  for (int n = 0; n < 210; ++n) files.AddFile("C:\\Prog\\Many\\S\\" + std::to_string(n) + ".ski", "");
  EXPECT_EQ(ListSkins(files, "C:\\Prog\\Many").size(), 200u);
}

// A program folder the user cannot write: an edit of one of its skins goes to a copy of the skin's
// folder under the user's, which the menu then offers in the original's place.
TEST(SkinList, EditsOfAReadOnlyProgramsSkinsGoToTheUsersCopy) {
  const std::string root = "C:\\Program Files\\Quillet\\ClockSkin\\";
  const std::string user = "C:\\Users\\u\\AppData\\Roaming\\Quillet\\";
  EXPECT_EQ(EditedSkinRoot(root, "C:\\Program Files\\Quillet\\", "C:\\Program Files\\Quillet\\"), "");
  EXPECT_EQ(EditedSkinRoot(root, "C:\\program files\\QUILLET", user), user + "ClockSkin\\");
  EXPECT_EQ(EditedSkinRoot("D:\\Skins\\", "C:\\Program Files\\Quillet\\", user), "");
  const std::string edited = user + "ClockSkin\\";
  EXPECT_EQ(EditedSkinPath(root + "Plain\\Plain.ski", root, edited), edited + "Plain\\Plain.ski");
  EXPECT_EQ(EditedSkinPath("D:\\Mine\\Mine.ski", root, edited), "D:\\Mine\\Mine.ski");
  EXPECT_EQ(EditedSkinPath(root + "Plain\\Plain.ski", root, ""), root + "Plain\\Plain.ski");

  testing::MemoryFileSystem files;
  files.AddFolder(user);
  files.AddFile(root + "Plain\\Plain.ski", "[Background]");
  files.AddFile(root + "Plain\\face.png", "png");
  files.AddFile(root + "Other\\Other.ski", "");
  ASSERT_TRUE(CopySkinForEditing(files, root + "Plain\\Plain.ski", edited + "Plain\\Plain.ski"));
  std::string bytes;
  ASSERT_EQ(files.ReadFile(edited + "Plain\\face.png", bytes), ReadOutcome::Ok);
  EXPECT_EQ(bytes, "png");
  files.AddFile(edited + "Plain\\Plain.ski", "[Background] edited");
  ASSERT_TRUE(CopySkinForEditing(files, root + "Plain\\Plain.ski", edited + "Plain\\Plain.ski"));
  ASSERT_EQ(files.ReadFile(edited + "Plain\\Plain.ski", bytes), ReadOutcome::Ok);
  EXPECT_EQ(bytes, "[Background] edited") << "an edited copy is never copied over";
  std::vector<std::string> paths;
  for (const SkinChoice& skin : ListSkins(files, root, edited)) paths.push_back(PathKey(skin.path));
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths, (std::vector<std::string>{PathKey(root + "Other\\Other.ski"), PathKey(edited + "Plain\\Plain.ski")}));
}

}  // namespace
}  // namespace quillet
