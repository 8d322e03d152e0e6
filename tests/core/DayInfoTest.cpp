#include <gtest/gtest.h>

#include <climits>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "calendar/DayInfoFormat.h"
#include "calendar/DayInfoStore.h"

namespace quillet {
namespace {

DayInfoRecord Entry(int month, int day, const std::string& name, bool lunar = false, int image = 1) {
  DayInfoRecord r;
  r.month = month;
  r.day = day;
  r.name = name;
  r.lunar = lunar;
  r.image = image;
  return r;
}

TEST(DayInfoFormat, ReadsTheFieldsOfEachLine) {
  const ParsedDayInfo parsed = ParseDayInfo(
      "# 기념일\r\n\r\n   \n5|5|+|F|어린이날|T|3\r\n1||1|-|F| 설날 |T|1\n8|15|-x|T|추석|t|07\n 4|8|+|T|부처님|F|x");
  EXPECT_TRUE(parsed.skipped.empty());
  ASSERT_EQ(parsed.records.size(), 4u);
  const DayInfoRecord& children = parsed.records[0];
  EXPECT_EQ(children, (DayInfoRecord{5, 5, 3, "어린이날", false, true, false, 1}));
  // Consecutive separators count as one; blanks inside the name stay.
  EXPECT_EQ(parsed.records[1], (DayInfoRecord{1, 1, 1, " 설날 ", true, true, false, 2}));
  // Only the first character of a sign counts; 't' is not 'T'.
  EXPECT_EQ(parsed.records[2], (DayInfoRecord{8, 15, 7, "추석", true, false, true, 3}));
  // The leap sign of a solar line is dropped, as the writer would drop it.
  EXPECT_EQ(parsed.records[3], (DayInfoRecord{4, 8, 0, "부처님", false, false, false, 4}));
}

TEST(DayInfoFormat, LinesThatAreNotRecordsAreSkippedAndListed) {
  // Read in pieces of 1023 bytes, its tail would be a record of its own.
  const std::string tooLong = std::string(1023, 'x') + "5|5|+|F|tail|T|3";
  const ParsedDayInfo parsed = ParseDayInfo("5|5|+|F||T|3\n0|5|+|F|a|F|1\n13|1|+|F|a|F|1\n2|0|+|F|a|F|1\n"
                                            "2|32|+|F|a|F|1\n-1|1|+|F|a|F|1\n1|2\n" + tooLong + "\n12|31|+|F|ok|F|1");
  ASSERT_EQ(parsed.records.size(), 1u);
  EXPECT_EQ(parsed.records[0].name, "ok");
  std::vector<std::string> described;
  for (const SkippedDayInfoLine& s : parsed.skipped) described.push_back(DescribeSkippedLine(s));
  EXPECT_EQ(described, (std::vector<std::string>{
                           "line 1: 6 fields, not 7", "line 2: month 0 is not 1-12", "line 3: month 13 is not 1-12",
                           "line 4: day 0 is not 1-31", "line 5: day 32 is not 1-31", "line 6: month -1 is not 1-12",
                           "line 7: 2 fields, not 7", "line 8: 1039 bytes, more than 1023"}));
}

TEST(DayInfoFormat, TheLongestLineIs1023BytesBeforeItsLineEnd) {
  const std::string line = "1|1|+|F|" + std::string(1023 - 12, 'n') + "|F|1";
  ASSERT_EQ(line.size(), 1023u);
  EXPECT_EQ(ParseDayInfo(line + "\r\n").records.size(), 1u);
  EXPECT_EQ(ParseDayInfo(line + "n\n").skipped.size(), 1u);
  DayInfoRecord fits = ParseDayInfo(line).records.at(0);
  EXPECT_EQ(CheckDayInfoRecord(fits), DayInfoRecordFault::None);
  fits.name += 'n';
  EXPECT_EQ(CheckDayInfoRecord(fits), DayInfoRecordFault::LineTooLong);
}

TEST(DayInfoFormat, WrittenLinesReadBackAsTheSameRecords) {
  DayInfoRecord leap = Entry(4, 8, "윤사월", true, 11);
  leap.leap = true;
  leap.holiday = true;
  DayInfoRecord solarLeap = Entry(12, 31, "# 아님 ", false, INT_MIN);
  solarLeap.leap = true;
  const FormattedDayInfo text = FormatDayInfo({leap, solarLeap, Entry(2, 29, std::string(900, 'z'), false, 0)});
  ASSERT_FALSE(text.refused);
  EXPECT_EQ(text.bytes, "4|8|-|T|윤사월|T|11\n12|31|+|F|# 아님 |F|-2147483648\n2|29|+|F|" + std::string(900, 'z') +
                            "|F|0\n");

  std::vector<DayInfoRecord> expected = {leap, solarLeap, Entry(2, 29, std::string(900, 'z'), false, 0)};
  expected[1].leap = false;
  for (std::size_t i = 0; i < expected.size(); ++i) expected[i].identifier = static_cast<int>(i) + 1;
  const ParsedDayInfo reread = ParseDayInfo(text.bytes);
  EXPECT_TRUE(reread.skipped.empty());
  EXPECT_EQ(reread.records, expected);
}

TEST(DayInfoFormat, RecordsThatWouldNotReadBackRefuseTheWholeFile) {
  const std::pair<DayInfoRecord, DayInfoRecordFault> cases[] = {
      {Entry(5, 5, ""), DayInfoRecordFault::EmptyName},       {Entry(5, 5, "a|b"), DayInfoRecordFault::NameHasSeparator},
      {Entry(5, 5, "a\rb"), DayInfoRecordFault::NameHasSeparator}, {Entry(5, 5, "a\n"), DayInfoRecordFault::NameHasSeparator},
      {Entry(0, 5, "a"), DayInfoRecordFault::Month},           {Entry(13, 5, "a"), DayInfoRecordFault::Month},
      {Entry(5, 0, "a"), DayInfoRecordFault::Day},             {Entry(5, 32, "a"), DayInfoRecordFault::Day},
  };
  for (const auto& [bad, fault] : cases) {
    DayInfoRecord named = bad;
    named.identifier = 9;
    const FormattedDayInfo text = FormatDayInfo({Entry(1, 1, "fine"), named, Entry(5, 5, "")});
    EXPECT_EQ(text.fault, fault) << bad.name;
    EXPECT_EQ(text.refused, std::optional<std::size_t>(1));
    EXPECT_EQ(text.bytes, "");
    EXPECT_NE(text.error.find("anniversary 2 (identifier 9, " + std::to_string(bad.month) + "/"), std::string::npos)
        << text.error;
  }
  EXPECT_FALSE(IsStorableDayInfoName(""));
  EXPECT_TRUE(IsStorableDayInfoName(" "));
}

class DayInfoStoreTest : public ::testing::Test {
 protected:
  DayInfoStoreTest() { files.AddFolder("C:\\Quillet\\CalendarSkin"); }

  testing::MemoryFileSystem files;
  testing::FixedClock clock;
  const std::string path = DayInfoPath("C:\\Quillet");
  DayInfoStore store{files, clock, path};
  std::vector<DayInfoRecord> records;
};

TEST_F(DayInfoStoreTest, TheFileLivesInTheCalendarSkinFolder) {
  EXPECT_EQ(path, "C:\\Quillet\\CalendarSkin\\DayInfo.dat");
  EXPECT_EQ(DayInfoPath("C:\\Quillet\\"), path);
}

TEST_F(DayInfoStoreTest, AMissingFileIsAnEmptyListCreatedByTheFirstWrite) {
  records = {Entry(1, 1, "old")};
  EXPECT_EQ(store.Read(records).status, DayInfoReadStatus::NotFound);
  EXPECT_TRUE(records.empty());
  records.push_back(Entry(5, 5, "어린이날", false, 3));
  EXPECT_EQ(store.Write(records).status, DayInfoWriteStatus::Saved);
  EXPECT_EQ(files.Bytes(path), "5|5|+|F|어린이날|F|3\n");
  EXPECT_EQ(store.Read(records).status, DayInfoReadStatus::Loaded);
  EXPECT_EQ(NextDayInfoIdentifier(records), 2);
}

TEST_F(DayInfoStoreTest, AMissingSkinFolderIsMadeForTheFile) {
  DayInfoStore elsewhere(files, clock, DayInfoPath("C:\\Other"));
  files.AddFolder("C:\\Other");
  EXPECT_EQ(elsewhere.Write({Entry(1, 1, "a")}).status, DayInfoWriteStatus::Saved);
  EXPECT_TRUE(files.Has("C:\\Other\\CalendarSkin\\DayInfo.dat"));
}

TEST_F(DayInfoStoreTest, AnUnreadableFileIsNeverWrittenOverAndItsRecordsGoBesideIt) {
  files.AddFile(path, "5|5|+|F|a|T|3\n");
  files.Lock(path);
  records = {Entry(1, 1, "kept")};
  EXPECT_EQ(store.Read(records).status, DayInfoReadStatus::Unreadable);
  EXPECT_EQ(records.size(), 1u);
  const DayInfoWriteResult written = store.Write(records);
  EXPECT_EQ(written.status, DayInfoWriteStatus::SavedElsewhere);
  EXPECT_EQ(files.Bytes(written.unsaved.path), "1|1|+|F|kept|F|1\n");
  EXPECT_EQ(files.Bytes(path), "5|5|+|F|a|T|3\n");
}

TEST_F(DayInfoStoreTest, ADamagedFileIsKeptAsideOnceBeforeTheFirstWrite) {
  const std::string damaged = "# mine\n5|5|+|F|a|T|3\n5|5|+|F||T|3\n";
  files.AddFile(path, damaged);
  const DayInfoReadResult read = store.Read(records);
  EXPECT_EQ(read.status, DayInfoReadStatus::Loaded);
  ASSERT_EQ(read.skipped.size(), 1u);
  EXPECT_EQ(read.skipped[0].line, 3);
  EXPECT_EQ(files.Bytes(path), damaged);  // reading changes nothing

  const DayInfoWriteResult first = store.Write(records);
  EXPECT_EQ(first.status, DayInfoWriteStatus::Saved);
  EXPECT_EQ(first.keptAsidePath, path + ".damaged-20261208-093015");
  EXPECT_EQ(files.Bytes(first.keptAsidePath), damaged);
  EXPECT_EQ(files.Bytes(path), "5|5|+|F|a|T|3\n");
  EXPECT_EQ(store.Write(records).keptAsidePath, "");
  EXPECT_EQ(files.NamesIn("C:\\Quillet\\CalendarSkin").size(), 2u);
}

TEST_F(DayInfoStoreTest, CommentsAndBlankLinesAreNotDamage) {
  files.AddFile(path, "# 기념일 목록\n\n5|5|+|F|a|T|3\n");
  EXPECT_TRUE(store.Read(records).skipped.empty());
  EXPECT_EQ(store.Write(records).keptAsidePath, "");
  EXPECT_EQ(files.NamesIn("C:\\Quillet\\CalendarSkin").size(), 1u);
}

TEST_F(DayInfoStoreTest, RefusedAndFailedWritesLeaveTheFileAsItWas) {
  const std::string damaged = "garbage\n";
  files.AddFile(path, damaged);
  store.Read(records);
  records.push_back(Entry(5, 5, "a|b"));
  const DayInfoWriteResult refused = store.Write(records);
  EXPECT_EQ(refused.status, DayInfoWriteStatus::Refused);
  EXPECT_NE(refused.error.find("a|b"), std::string::npos);
  EXPECT_EQ(files.NamesIn("C:\\Quillet\\CalendarSkin").size(), 1u);  // not even kept aside yet

  records.back().name = "ab";
  files.FailWritesTo(path);
  const DayInfoWriteResult failed = store.Write(records);
  EXPECT_EQ(failed.status, DayInfoWriteStatus::Failed);
  EXPECT_EQ(failed.keptAsidePath, "");
  EXPECT_EQ(files.Bytes(path), damaged);
  EXPECT_EQ(files.NamesIn("C:\\Quillet\\CalendarSkin").size(), 1u);
}

}  // namespace
}  // namespace quillet
