#include <gtest/gtest.h>

#include "ByteBuilder.h"
#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "schedule/AlarmFileFormat.h"
#include "schedule/AlarmFileStore.h"

namespace quillet {
namespace {

using testing::ByteBuilder;
using testing::FixedClock;
using testing::MemoryFileSystem;
using testing::TinyCodec;

ScheduleRecord Sample(int n) {
  ScheduleRecord r;
  r.enabled = n % 2;
  r.recurrence = static_cast<Recurrence>(n % 6);
  r.alertStyle = static_cast<AlertStyle>(n % 5 - 1);
  r.year = 2026;
  r.month = 1 + n % 12;
  r.day = 1 + n % 28;
  r.hour = n % 24;
  r.minute = n % 60;
  r.dayPattern = n % 128;
  r.imageIndex = n % 12;
  r.endDateCode = 2027 * 372 + 31 + 1;
  r.timeMode = static_cast<TimeMode>(n % 3);
  r.leadMinutes = -30;
  r.isDDay = 1;
  r.reserved = 9;
  r.soundFile = "C:\\소리\\알람.wav";
  r.runCommand = "notepad.exe";
  r.message = "회의\r\n" + std::to_string(n);
  r.memoId = n % 3 ? "" : "20260102030405006.rtf";
  r.reservedTexts = {"a", "b", "c"};
  return r;
}

// A record as an older program wrote it, field by field.
ByteBuilder& OldRecord(ByteBuilder& b, int version, int dayPattern) {
  b.Int(static_cast<std::uint32_t>(version)).Int(1).Int(3).Int(0).Int(2009).Int(3).Int(17).Int(10).Int(10)
      .Int(static_cast<std::uint32_t>(dayPattern));
  if (version >= 2) b.Int(5);
  b.Str("s.wav").Str("cmd").Str("msg").Str("").Str("r1");
  if (version >= 3) b.Str("r2").Str("r3").Int(0).Int(0).Int(60).Int(0).Int(0);
  return b;
}

std::string WithEndMark(ByteBuilder& b) { return b.Int(0x0000FFFF).bytes; }

TEST(AlarmFileFormat, RecordsSurviveARoundTripWithTheirExactBytes) {
  std::vector<ScheduleRecord> records;
  for (int n = 0; n < 7; ++n) records.push_back(Sample(n));
  records[4].message = std::string(300, 'm');  // the 16-bit length form
  const std::string bytes = SerializeAlarmFile(records);
  // The signature is followed directly by the first record; the end mark closes the file.
  EXPECT_EQ(bytes.substr(0, 16), std::string("\x0F" "ALARM SIGNATURE"));
  EXPECT_EQ(bytes.substr(16, 4), std::string("\x04\x00\x00\x00", 4));
  EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\xFF\xFF\x00\x00", 4));

  TinyCodec codec;
  const ParsedAlarmFile parsed = ParseAlarmFile(bytes, codec, ScheduleRecord{});
  ASSERT_EQ(parsed.signature, AlarmSignature::Known);
  EXPECT_TRUE(parsed.endMarkFound);
  EXPECT_FALSE(parsed.damaged);
  ASSERT_EQ(parsed.records.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) EXPECT_TRUE(SameStoredFields(parsed.records[i], records[i])) << i;
  EXPECT_EQ(SerializeAlarmFile(parsed.records), bytes);
}

TEST(AlarmFileFormat, OlderVersionsKeepNewRecordValuesForWhatTheyLack) {
  ScheduleRecord blank;
  blank.leadMinutes = 30;
  blank.imageIndex = 1;
  ByteBuilder b;
  b.Str("ALARM SIGNATURE");
  OldRecord(b, 1, 62);
  OldRecord(b, 2, 62);
  OldRecord(b, 3, 2);   // Tuesday as a number
  OldRecord(b, 3, 9);   // no weekday
  TinyCodec codec;
  const ParsedAlarmFile parsed = ParseAlarmFile(WithEndMark(b), codec, blank);
  ASSERT_EQ(parsed.records.size(), 4u);
  const ScheduleRecord& v1 = parsed.records[0];
  EXPECT_EQ(v1.version, 4);
  EXPECT_EQ(v1.imageIndex, 0);
  EXPECT_EQ(v1.dayPattern, 62);
  EXPECT_EQ(v1.reservedTexts[0], "r1");
  EXPECT_EQ(v1.reservedTexts[1], "");
  EXPECT_EQ(v1.endDateCode, 0);
  EXPECT_EQ(v1.timeMode, TimeMode::AtTime);
  EXPECT_EQ(v1.leadMinutes, 30);
  EXPECT_EQ(parsed.records[1].imageIndex, 5);
  EXPECT_EQ(parsed.records[2].dayPattern, 4);
  EXPECT_EQ(parsed.records[2].leadMinutes, 60);
  EXPECT_EQ(parsed.records[3].dayPattern, 0);
  // Derived fields are computed on reading.
  EXPECT_EQ(parsed.records[0].minuteStamp, ((2009LL * 372 + 3 * 31 + 17) * 1440) + 10 * 60 + 10);
  EXPECT_EQ(parsed.records[0].minuteOfDay, 610);
}

TEST(AlarmFileFormat, LeadsOutsideTheOfferedRangeReadAsNone) {
  std::vector<ScheduleRecord> records(4, Sample(1));
  records[0].leadMinutes = 50000;
  records[1].leadMinutes = -1441;
  records[2].leadMinutes = -1440;
  records[3].leadMinutes = 44640;
  TinyCodec codec;
  const ParsedAlarmFile parsed = ParseAlarmFile(SerializeAlarmFile(records), codec, ScheduleRecord{});
  ASSERT_EQ(parsed.records.size(), 4u);
  EXPECT_EQ(parsed.records[0].leadMinutes, 0);
  EXPECT_EQ(parsed.records[1].leadMinutes, 0);
  EXPECT_EQ(parsed.records[2].leadMinutes, -1440);
  EXPECT_EQ(parsed.records[3].leadMinutes, 44640);
}

TEST(AlarmFileFormat, DamageEndsTheListAfterTheCompleteRecords) {
  TinyCodec codec;
  ByteBuilder empty;
  empty.Str("ALARM SIGNATURE");
  const ParsedAlarmFile none = ParseAlarmFile(WithEndMark(empty), codec, ScheduleRecord{});
  EXPECT_TRUE(none.records.empty());
  EXPECT_TRUE(none.endMarkFound);
  EXPECT_FALSE(none.damaged);

  const std::string whole = SerializeAlarmFile({Sample(1), Sample(2), Sample(3)});
  const std::size_t thirdStart = SerializeAlarmFile({Sample(1), Sample(2)}).size() - 4;
  for (std::size_t cut = thirdStart; cut < whole.size() - 4; cut += 7) {
    const ParsedAlarmFile parsed = ParseAlarmFile(std::string_view(whole).substr(0, cut), codec, ScheduleRecord{});
    EXPECT_EQ(parsed.records.size(), 2u) << cut;
    EXPECT_TRUE(parsed.damaged) << cut;
  }
  // A giant string length in the second record is damage, not an allocation.
  std::string giant = whole;
  const std::size_t secondStart = SerializeAlarmFile({Sample(1)}).size() - 4;
  giant.replace(secondStart + 11 * 4, 1, "\xFF\xFF\xFF\xF0\xFF\xFF\x7F", 7);
  const ParsedAlarmFile parsed = ParseAlarmFile(giant, codec, ScheduleRecord{});
  EXPECT_EQ(parsed.records.size(), 1u);
  EXPECT_TRUE(parsed.damaged);

  EXPECT_EQ(ParseAlarmFile("\x0FNOT A SIGNATURE", codec, {}).signature, AlarmSignature::Foreign);
  EXPECT_EQ(ParseAlarmFile("\x30short", codec, {}).signature, AlarmSignature::Unreadable);
}

TEST(AlarmFileFormat, NoMoreThanTwentyThousandRecordsAreLoadedButAllAreCounted) {
  const std::vector<ScheduleRecord> records(20001, Sample(2));
  TinyCodec codec;
  const ParsedAlarmFile parsed = ParseAlarmFile(SerializeAlarmFile(records), codec, ScheduleRecord{});
  EXPECT_EQ(parsed.records.size(), 20000u);
  EXPECT_EQ(parsed.recordsInFile, 20001u);
  EXPECT_FALSE(parsed.damaged);
}

class AlarmFileStoreTest : public ::testing::Test {
 protected:
  AlarmFileStoreTest() { files.AddFolder(kFolder); }

  AlarmLoadResult Load(const std::string& path) { return store.Load(path, kFolder, ScheduleRecord{}, list); }

  const std::string kFolder = "C:\\data\\";
  const std::string kPath = kFolder + "QuilletAlarmInfo.qla";
  MemoryFileSystem files;
  TinyCodec codec;
  FixedClock clock;
  AlarmFileStore store{files, codec, clock};
  ScheduleList list;
};

TEST_F(AlarmFileStoreTest, AMissingFileIsAnEmptyListSavedUnderTheCurrentName) {
  const AlarmLoadResult result = Load("E:\\gone\\alarms.qla");
  EXPECT_EQ(result.status, AlarmLoadStatus::Loaded);
  EXPECT_EQ(result.path, kPath);
  EXPECT_TRUE(list.empty());
  list.Append(Sample(1));
  EXPECT_EQ(store.Save(result.path, list), AlarmSaveStatus::Saved);
  ScheduleList reread;
  EXPECT_EQ(store.Load(kPath, kFolder, ScheduleRecord{}, reread).status, AlarmLoadStatus::Loaded);
  ASSERT_EQ(reread.size(), 1u);
  EXPECT_TRUE(SameStoredFields(reread.records()[0], list.records()[0]));
}

TEST_F(AlarmFileStoreTest, AnUnreadableFileIsNeverWrittenOverAndItsSchedulesGoBesideIt) {
  const std::string bytes = SerializeAlarmFile({Sample(1)});
  files.AddFile(kPath, bytes);
  files.Lock(kPath);
  EXPECT_EQ(Load(kPath).status, AlarmLoadStatus::Unreadable);
  const std::string unsavedPath = kPath + ".unsaved-20261208-093015";
  for (const bool first : {true, false}) {  // one file a session, rewritten by every later save
    list.Append(Sample(2));
    UnsavedFile unsaved;
    EXPECT_EQ(store.Save(kPath, list, &unsaved), AlarmSaveStatus::SavedElsewhere);
    EXPECT_EQ(unsaved.path, unsavedPath);
    EXPECT_EQ(unsaved.first, first);
    EXPECT_EQ(files.Bytes(unsavedPath), SerializeAlarmFile(list.records()));
  }
  EXPECT_EQ(files.Bytes(kPath), bytes);
  EXPECT_EQ(files.NamesIn(kFolder).size(), 2u);
  files.FailWritesTo(unsavedPath);
  EXPECT_EQ(store.Save(kPath, list), AlarmSaveStatus::Failed);
}

TEST_F(AlarmFileStoreTest, DamagedForeignAndOverfullFilesAreKeptAsideBeforeTheFirstSave) {
  const std::string cut = SerializeAlarmFile({Sample(1), Sample(2)}).substr(0, 150);
  files.AddFile(kPath, cut);
  EXPECT_EQ(Load(kPath).status, AlarmLoadStatus::Loaded);
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(store.Save(kPath, list), AlarmSaveStatus::Saved);
  EXPECT_EQ(files.Bytes(kPath + ".damaged-20261208-093015"), cut);

  const std::string other = kFolder + "other.qla";
  files.AddFile(other, "\x7Fnot an alarm file, something of the user's");
  EXPECT_EQ(Load(other).status, AlarmLoadStatus::BadSignature);
  EXPECT_EQ(store.Save(other, list), AlarmSaveStatus::Saved);
  EXPECT_TRUE(files.Has(other + ".damaged-20261208-093015"));

  const std::string full = kFolder + "full.qla";
  files.AddFile(full, SerializeAlarmFile(std::vector<ScheduleRecord>(20003, Sample(3))));
  const AlarmLoadResult result = Load(full);
  EXPECT_EQ(list.size(), 20000u);
  EXPECT_EQ(result.recordsInFile, 20003u);
  EXPECT_EQ(result.tooManyWarning,
            "알람이 너무 많습니다[ 현재 20003개].\n알람 설정에서 시간이 지난 것은 삭제해 주세요.");
  EXPECT_EQ(store.Save(full, list), AlarmSaveStatus::Saved);
  EXPECT_TRUE(files.Has(full + ".damaged-20261208-093015"));
}

TEST_F(AlarmFileStoreTest, AFailedSaveIsReportedAndTheOldFileStaysEvenWhenDamaged) {
  const std::string sound = SerializeAlarmFile({Sample(1)});
  const std::string cut = SerializeAlarmFile({Sample(1), Sample(2)}).substr(0, 150);
  for (const std::string& bytes : {sound, cut}) {
    files.AddFile(kPath, bytes);
    Load(kPath);
    files.FailWritesTo(kPath);
    list.Append(Sample(4));
    EXPECT_EQ(store.Save(kPath, list), AlarmSaveStatus::Failed);
    ASSERT_TRUE(files.Has(kPath));
    EXPECT_EQ(files.Bytes(kPath), bytes);
    EXPECT_EQ(files.NamesIn(kFolder), std::set<std::string>{"QuilletAlarmInfo.qla"});
  }
}

TEST(AlarmPickCheck, SameFilesAndPortableFoldersAreChecked) {
  EXPECT_EQ(CheckAlarmFilePick("C:\\A\\x.qla", "c:\\a\\X.QLA", false, "C:\\Prog\\"), AlarmPickCheck::Same);
  EXPECT_EQ(CheckAlarmFilePick("C:\\A\\x.qla", "D:\\y.qla", true, "C:\\Prog\\"),
            AlarmPickCheck::OutsideProgramFolder);
  EXPECT_EQ(CheckAlarmFilePick("C:\\A\\x.qla", "C:\\", true, "C:\\Prog\\"), AlarmPickCheck::OutsideProgramFolder);
  EXPECT_EQ(CheckAlarmFilePick("C:\\A\\x.qla", "c:\\prog\\data\\y.qla", true, "C:\\Prog\\"),
            AlarmPickCheck::Acceptable);
  EXPECT_EQ(CheckAlarmFilePick("C:\\A\\x.qla", "D:\\y.qla", false, "C:\\Prog\\"), AlarmPickCheck::Acceptable);
}

}  // namespace
}  // namespace quillet
