#include <gtest/gtest.h>

#include "ByteBuilder.h"
#include "Fakes.h"
#include "memo/MemoListFormat.h"
#include "memo/StarterFiles.h"

namespace quillet {
namespace {

using testing::TinyCodec;

using testing::ByteBuilder;

MemoRecord SampleRecord(int n) {
  MemoRecord r;
  r.formatBarShown = n % 2;
  r.windowRect = Rect{10 * n, 20 * n, 10 * n + 200, 20 * n + 120};
  r.colorType = n % 12;
  r.backColor = 0x00ABCDEF;
  r.paletteColor = 0x00123456;
  r.expanded = 0;
  r.expandedSize = Size{200, 120};
  r.zPosition = 2;
  r.contentFile = "2026120809301" + std::to_string(n) + ".rtf";
  r.scrollLine = n;
  r.title = "제목 " + std::to_string(n);
  r.editTime = "2026-12-8 09:30";
  r.reserved = 7;
  r.titleFont = "255|1|0|1|-13|굴림";
  return r;
}

TEST(MemoListFormat, StarterGroupBytesAreTheExampleRecord) {
  ByteBuilder expected;
  expected.Str("150MEMO SIGNATURE")
      .Int(150).Int(0)
      .Int(261).Int(141).Int(811).Int(414)
      .Int(0).Int(0xEDEDED).Int(0xC6C6C6).Int(1)
      .Int(550).Int(273).Int(0)
      .Str("AboutQuillet.rtf").Int(0)
      .Str("Quillet \xBB\xE7\xBF\xEB\xB9\xFD")
      .Str("2007-3-17 10:10").Int(0)
      .Str("16711680|0|0|0|14|Tahoma");
  EXPECT_EQ(SerializeMemoList({StarterMemoRecord()}), expected.bytes);
}

TEST(MemoListFormat, RecordsSurviveARoundTrip) {
  std::vector<MemoRecord> records;
  for (int n = 0; n < 5; ++n) records.push_back(SampleRecord(n));
  records[3].title = std::string(300, 'L');  // needs the 16-bit length form
  records[3].version = 120;                  // always written as the current version

  TinyCodec codec;
  const ParsedMemoList parsed = ParseMemoList(SerializeMemoList(records), codec, MemoRecord{});
  ASSERT_EQ(parsed.signature, ListSignature::Known);
  EXPECT_FALSE(parsed.cutShort);
  records[3].version = kMemoRecordVersion;
  EXPECT_EQ(parsed.records, records);
}

TEST(MemoListFormat, OldRecordsStopAfterTheScrollLineAndKeepNewMemoValues) {
  ByteBuilder old;
  old.Str("MEMO SIGNATURE");
  for (int n = 0; n < 2; ++n) {
    old.Int(140).Int(0).Int(5).Int(6).Int(305).Int(206).Int(3).Int(0xEEEEEE).Int(0xCCCCCC).Int(1).Int(300).Int(200)
        .Int(1).Str("old" + std::to_string(n) + ".rtf").Int(4);
  }
  MemoRecord blank;
  blank.titleFont = "7816192|0|0|0|14|Tahoma";
  TinyCodec codec;
  const ParsedMemoList parsed = ParseMemoList(old.bytes, codec, blank);
  ASSERT_EQ(parsed.signature, ListSignature::Known);
  ASSERT_EQ(parsed.records.size(), 2u);
  EXPECT_EQ(parsed.records[1].contentFile, "old1.rtf");
  EXPECT_EQ(parsed.records[1].scrollLine, 4);
  EXPECT_EQ(parsed.records[1].version, 140);
  EXPECT_EQ(parsed.records[1].title, "");
  EXPECT_EQ(parsed.records[1].titleFont, blank.titleFont);
  EXPECT_FALSE(parsed.cutShort);
}

TEST(MemoListFormat, SignaturesDecideWhatIsRead) {
  TinyCodec codec;
  const std::string records = SerializeMemoList({SampleRecord(1)}).substr(18);
  EXPECT_EQ(ParseMemoList(ByteBuilder().Str("150MEMO SIGNATURE").bytes + records, codec, {}).records.size(), 1u);
  EXPECT_EQ(ParseMemoList(ByteBuilder().Str("MEMO SIGNATURE").bytes + records, codec, {}).records.size(), 1u);

  const ParsedMemoList foreign = ParseMemoList(ByteBuilder().Str("NOTES 2.0").bytes + records, codec, {});
  EXPECT_EQ(foreign.signature, ListSignature::Foreign);
  EXPECT_TRUE(foreign.records.empty());

  for (const std::string& bad : {std::string(), std::string("\x30short", 6)}) {
    EXPECT_EQ(ParseMemoList(bad, codec, {}).signature, ListSignature::Unreadable);
  }
}

TEST(MemoListFormat, ARecordCutShortIsDroppedAndTheOnesBeforeItKept) {
  const std::vector<MemoRecord> records = {SampleRecord(1), SampleRecord(2), SampleRecord(3)};
  const std::string whole = SerializeMemoList(records);
  const std::size_t lastStart = SerializeMemoList({records[0], records[1]}).size();
  TinyCodec codec;
  // Every cut inside the last record, down to its first byte.
  for (std::size_t cut = lastStart + 1; cut < whole.size(); ++cut) {
    const ParsedMemoList parsed = ParseMemoList(std::string_view(whole).substr(0, cut), codec, {});
    ASSERT_EQ(parsed.records.size(), 2u) << cut;
    EXPECT_TRUE(parsed.cutShort);
    EXPECT_EQ(parsed.cutAt, lastStart);
    EXPECT_EQ(parsed.records[1], records[1]);
  }
}

TEST(MemoListFormat, AGiantStringLengthEndsTheListInsteadOfAllocating) {
  std::string bytes = SerializeMemoList({SampleRecord(1), SampleRecord(2)});
  const std::size_t secondStart = SerializeMemoList({SampleRecord(1)}).size();
  // The second record's content file name: at its fixed offset, after thirteen integers.
  const std::size_t nameLength = secondStart + 13 * 4;
  bytes.replace(nameLength, 1, "\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7);
  TinyCodec codec;
  const ParsedMemoList parsed = ParseMemoList(bytes, codec, {});
  EXPECT_EQ(parsed.records.size(), 1u);
  EXPECT_TRUE(parsed.cutShort);
}

}  // namespace
}  // namespace quillet
