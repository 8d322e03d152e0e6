#include <gtest/gtest.h>

#include <cstdint>

#include "rules/UninstallRules.h"

namespace unquill {
namespace {

using namespace std::string_view_literals;
using Names = std::vector<std::string>;

// Memo list bytes as the main program writes them, little-endian.
struct ListBytes {
  std::string out;

  ListBytes& Int(std::uint32_t v, int width = 4) {
    for (int i = 0; i < width; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
  }
  ListBytes& Str(std::string_view s) {
    if (s.size() < 0xFF) Int(static_cast<std::uint32_t>(s.size()), 1);
    else Int(0xFF, 1).Int(static_cast<std::uint32_t>(s.size()), 2);
    out += s;
    return *this;
  }
  ListBytes& Wide(std::u16string_view s) {
    Int(0xFF, 1).Int(0xFFFE, 2).Int(static_cast<std::uint32_t>(s.size()), 1);
    for (const char16_t c : s) Int(c, 2);
    return *this;
  }
  // One record whose content file name `writeName` writes.
  template <typename WriteName>
  ListBytes& RecordWith(std::int32_t version, WriteName writeName) {
    Int(static_cast<std::uint32_t>(version));
    for (int i = 0; i < 12; ++i) Int(0x01020304);
    writeName(*this);
    Int(7);  // scrollLine
    if (version > 149) Str(std::string(300, 't')).Str("2026-12-08").Int(0).Int(0xFF, 1).Int(0xFFFF, 2).Int(5).out += "Gulim";
    return *this;
  }
  ListBytes& Record(std::int32_t version, std::string_view name) {
    return RecordWith(version, [&](ListBytes& b) { b.Str(name); });
  }
};

TEST(UninstallPaths, OnlyAbsoluteFoldersBelowARootMayBeDeleted) {
  struct Case {
    std::wstring_view path;
    bool absolute, root, mayDelete;
  };
  const Case cases[] = {
      {L"C:\\Users\\kim\\Memo", true, false, true},
      {L"c:/Memo", true, false, true},
      {L"C:\\Memo..\\x", true, false, true},
      {L"\\\\nas\\home\\Memo", true, false, true},
      {L"C:", false, true, false},
      {L"C:\\", true, true, false},
      {L"C:\\\\\\", true, true, false},
      {L"C:/", true, true, false},
      {L"\\\\nas\\home", true, true, false},
      {L"\\\\nas\\home\\\\", true, true, false},
      {L"C:Memo", false, false, false},
      {L"Memo\\x", false, false, false},
      {L"\\\\nas", false, false, false},
      {L"\\\\\\home\\x", false, false, false},
      {L"C:\\Memo\\..\\..", true, false, false},
      {L"C:\\Memo/..\\Windows", true, false, false},
      {L"C:\\. \\", true, false, false},
      {L"\\\\nas\\home\\..\\other", true, false, false},
      {L"\\\\?\\UNC\\nas\\home\\x", false, false, false},
      {L"\\\\.\\C:\\x", false, false, false},
      {L"C:\\\0Memo"sv, false, false, false},
      {L"C:\\Memo\\*", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.path).c_str());
    EXPECT_EQ(IsAbsolutePath(c.path), c.absolute);
    EXPECT_EQ(IsDriveRoot(c.path), c.root);
    EXPECT_EQ(MayDeleteFolder(c.path), c.mayDelete);
  }
}

TEST(UninstallPaths, DataAndStartMenuFolders) {
  using Folder = std::optional<std::wstring>;
  EXPECT_EQ(DataFolderFromValue(L"D:\\Memo", true), Folder(L"D:\\Memo\\"));
  EXPECT_EQ(DataFolderFromValue(L"D:\\Memo\\\\\\", true), Folder(L"D:\\Memo\\"));
  for (const std::wstring_view refused : {L"", L" D:\\Memo", L"Memo", L"D:\\", L"\\\\nas\\home\\", L"D:\\Memo\\.."})
    EXPECT_EQ(DataFolderFromValue(refused, true), std::nullopt) << std::wstring(refused).c_str();
  EXPECT_EQ(DataFolderFromValue(L"D:\\Memo", false), std::nullopt);

  EXPECT_EQ(StartMenuFolder(L"C:\\Start Menu\\Programs\\"), Folder(L"C:\\Start Menu\\Programs\\Quillet"));
  EXPECT_EQ(StartMenuFolder(L"C:\\"), Folder(L"C:\\Quillet"));
  EXPECT_EQ(StartMenuFolder(L""), std::nullopt);
  EXPECT_EQ(StartMenuFolder(L"Programs"), std::nullopt);

  EXPECT_TRUE(SameFolder(L"C:\\Program Files\\Quillet", L"c:/program files/QUILLET\\"));
  EXPECT_FALSE(SameFolder(L"C:\\Program Files\\Quillet", L"C:\\Program Files\\Quillet2"));
  EXPECT_FALSE(SameFolder(L"", L"\\"));

  // Kept with the memos: the anniversaries, in any letter case, and nothing else of the folder.
  EXPECT_TRUE(IsAnniversaryFile(L"DayInfo.dat"));
  EXPECT_TRUE(IsAnniversaryFile(L"DAYINFO.DAT"));
  EXPECT_TRUE(IsAnniversaryFile(L"DayInfo.dat.damaged-20261208-093015"));
  EXPECT_TRUE(IsAnniversaryFile(L"dayinfo.DAT.unsaved-20261208-093015-2"));
  EXPECT_FALSE(IsAnniversaryFile(L"DayInfo.dat.unsaved-"));
  EXPECT_FALSE(IsAnniversaryFile(L"DayInfo.dat.bak"));
  EXPECT_FALSE(IsAnniversaryFile(L"Quillet calendar"));
}

TEST(UninstallList, NamesOfEveryRecordInOrderWhateverTheVersion) {
  ListBytes list;
  list.Str("150MEMO SIGNATURE")
      .Record(160, "20261208101010123.rtf")
      .Record(149, "\xB8\xDE\xB8\xF0.rtf")
      .Record(160, "")
      .Record(-1, "old.brt")
      .RecordWith(160, [](ListBytes& b) { b.Wide(u"20261208101010124.brt"); })
      .RecordWith(160, [](ListBytes& b) { b.Wide(u"\uBA54\uBAA8.rtf"); })
      .Record(150, "last.rtf");
  EXPECT_EQ(ContentFilesOfList(list.out),
            Names({"20261208101010123.rtf", "\xB8\xDE\xB8\xF0.rtf", "old.brt", "20261208101010124.brt", "last.rtf"}));

  EXPECT_EQ(ContentFilesOfList(ListBytes().Str("MEMO SIGNATURE").Record(149, "a.rtf").out), Names({"a.rtf"}));
  EXPECT_EQ(ContentFilesOfList(ListBytes().Str("150MEMO SIGNATURE").out), Names());
  for (const std::string_view foreign : {""sv, "\x11" "150MEMO SIGNA"sv, "\x0E" "MEMO SIGNATURX"sv})
    EXPECT_EQ(ContentFilesOfList(foreign), std::nullopt);
}

TEST(UninstallList, ACutOrLyingRecordEndsTheListKeepingCompleteOnes) {
  ListBytes list;
  list.Str("150MEMO SIGNATURE").Record(160, "a.rtf");
  const std::size_t firstEnd = list.out.size();
  list.Record(149, "b.rtf");
  const std::size_t secondEnd = list.out.size();
  list.Record(160, "c.rtf");
  for (std::size_t size = firstEnd; size <= list.out.size(); ++size) {
    Names expected = {"a.rtf"};
    if (size >= secondEnd) expected.push_back("b.rtf");
    if (size == list.out.size()) expected.push_back("c.rtf");
    EXPECT_EQ(ContentFilesOfList(std::string_view(list.out).substr(0, size)), expected) << size;
  }

  const auto lying = [](auto writeLength) {
    ListBytes bytes;
    bytes.Str("150MEMO SIGNATURE").Record(149, "a.rtf").RecordWith(149, writeLength);
    return ContentFilesOfList(bytes.out);
  };
  EXPECT_EQ(lying([](ListBytes& b) { b.Int(0xFF, 1).Int(0xFFFF, 2).Int(0xFFFFFFFF); }), Names({"a.rtf"}));
  EXPECT_EQ(lying([](ListBytes& b) { b.Int(0xFF, 1).Int(0xFFFE, 2).Int(0xFF, 1).Int(0xFFFF, 2).Int(0x80000001); }),
            Names({"a.rtf"}));
  EXPECT_EQ(lying([](ListBytes& b) { b.Int(0xFF, 1).Int(0x8000, 2); }), Names({"a.rtf"}));
}

TEST(UninstallFiles, ProgramFilesAreKnownByNameOrByTheLists) {
  // 0x81 0x41 and 0x81 0x61 are two different Hangul syllables.
  const std::set<std::string> listed = {ListedNameKey("Old Memo.RTF"), ListedNameKey("\x81\x41.rtf")};
  EXPECT_EQ(ListedNameKey("\x81\x41Z.RTF"), "\x81\x41z.rtf");
  struct Case {
    std::string_view name;
    bool program;
  };
  const Case cases[] = {
      {"20261208101010123.rtf", true},  {"20261208101010123.BRT", true},   {"2026120810101012.rtf", false},
      {"2026120810101012x.rtf", false}, {"120261208101010123.rtf", false}, {"DefaultMemo.qld", true},
      {"\xBE\xF7\xB9\xAB.QLD", true},   {"RecycleBin.qlr", true},          {"Other.qlr", false},
      {"AboutQuillet.rtf", true},       {"QuilletAlarmInfo.qla", true},    {"MemoList160", true},
      {"memolist", true},               {"alarmlist", true},               {"alarmlist160", true},
      {"memolist2", false},             {"old memo.rtf", true},            {"notes.rtf", false},
      {"\x81\x41.rtf", true},           {"\x81\x61.rtf", false},           {"letter.txt", false},
      {"desktop.ini", false},           {"Photo.jpg", false},              {"memolist.bak", false},
      {"DefaultMemo.qld.damaged-20261208-101010", true},
      {"memolist.damaged-20261208-101010-2", true},
      {"QuilletAlarmInfo.qla.UNSAVED-20261208-101010", true},
      {"Old Memo.rtf.unsaved-1", true},
      {"notes.rtf.unsaved-1", false},
      {"letter.txt.damaged-20261208-101010", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsProgramDataFile(c.name, listed), c.program) << c.name;
}

TEST(UninstallFiles, EveryListAmongTheFilesNamesWhatIsDeleted) {
  const auto list = [](std::string_view name) { return ListBytes().Str("MEMO SIGNATURE").Record(149, name).out; };
  const std::vector<DataFolderFile> files = {
      {"letter.txt", ""},
      {"\xBE\xF7\xB9\xAB.qld", list("\xB8\xDE\xB8\xF0.rtf")},
      {"RecycleBin.qlr", list("Trash.BRT")},
      {"memolist", list("legacy.rtf")},
      {"Broken.qld", "not a list"},
      {"backup.dat", list("notes.rtf")},
      {"\xB8\xDE\xB8\xF0.RTF", ""},
      {"notes.rtf", ""},
      {"trash.brt", ""},
      {"Legacy.rtf", ""},
      {"20261208101010123.rtf", ""},
  };
  EXPECT_EQ(ProgramFilesToDelete(files),
            Names({"\xBE\xF7\xB9\xAB.qld", "RecycleBin.qlr", "memolist", "Broken.qld", "\xB8\xDE\xB8\xF0.RTF",
                   "trash.brt", "Legacy.rtf", "20261208101010123.rtf"}));
}

}  // namespace
}  // namespace unquill
