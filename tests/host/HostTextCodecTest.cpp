#include <gtest/gtest.h>

#include "HostTextCodec.h"

namespace {

using namespace std::string_literals;

class HostTextCodecTest : public ::testing::Test {
 protected:
  std::unique_ptr<quillet::TextCodec> codec_ = MakeHostTextCodec();
};

const std::string kReplacement = "\xEF\xBF\xBD";

TEST_F(HostTextCodecTest, KoreanRoundTrips) {
  // The literals are CP949 in this build.
  ASSERT_EQ("한글"s, "\xC7\xD1\xB1\xDB"s);
  EXPECT_EQ(codec_->Utf16ToCp949(u"오늘 할 일: 장보기 (3시)"), "오늘 할 일: 장보기 (3시)");
  EXPECT_EQ(codec_->Cp949ToUtf8("오늘 할 일: 장보기 (3시)"), u8"오늘 할 일: 장보기 (3시)");
  // Outside KS X 1001, in the extended area.
  EXPECT_EQ(codec_->Utf16ToCp949(u"똠"), "\x8C\x63");
  EXPECT_EQ(codec_->Cp949ToUtf8("\x8C\x63"), u8"똠");
  EXPECT_EQ(codec_->Utf16ToCp949(u"\u00B7\u00DF"), "\xA1\xA4\xA9\xAC");
  EXPECT_EQ(codec_->Cp949ToUtf8("\xA1\xA4\xA9\xAC"), u8"\u00B7\u00DF");
}

TEST_F(HostTextCodecTest, AsciiAndNulPassThrough) {
  EXPECT_EQ(codec_->Utf16ToCp949(u"C:\\a\0b"s), "C:\\a\0b"s);
  EXPECT_EQ(codec_->Cp949ToUtf8("C:\\a\0b\r\n"s), "C:\\a\0b\r\n"s);
  EXPECT_EQ(codec_->Utf16ToCp949(u""), "");
  EXPECT_EQ(codec_->Cp949ToUtf8(""), "");
}

TEST_F(HostTextCodecTest, CharactersOutsideCp949BecomeOneQuestionMarkEach) {
  EXPECT_EQ(codec_->Utf16ToCp949(u"가\u00E9나"), "가?나");
  EXPECT_EQ(codec_->Utf16ToCp949(u"\u0E01\u0E02"), "??");
  EXPECT_EQ(codec_->Utf16ToCp949(u"메모\U0001F600!"), "메모?!");
  EXPECT_EQ(codec_->Utf16ToCp949(u"\U0001F600\U0001F601"), "??");
}

TEST_F(HostTextCodecTest, UnpairedSurrogatesBecomeQuestionMarks) {
  EXPECT_EQ(codec_->Utf16ToCp949(u"a\xD83D"), "a?");
  EXPECT_EQ(codec_->Utf16ToCp949(u"a\xD83D" u"b"), "a?b");
  EXPECT_EQ(codec_->Utf16ToCp949(u"a\xDE00\xDE00z"), "a??z");
  EXPECT_EQ(codec_->Utf16ToCp949(u"\xD83D\xD83D\xDE00"), "??");
}

TEST_F(HostTextCodecTest, MalformedCp949GivesReplacementForTheOffendingByte) {
  EXPECT_EQ(codec_->Cp949ToUtf8("가\xB0"), u8"가" + kReplacement);
  EXPECT_EQ(codec_->Cp949ToUtf8("\xB0 메모"), kReplacement + u8" 메모");
  EXPECT_EQ(codec_->Cp949ToUtf8("\xC7\x41"), kReplacement + "A");
  EXPECT_EQ(codec_->Cp949ToUtf8("x\xB0\ny\xC7"), "x" + kReplacement + "\ny" + kReplacement);
}

TEST_F(HostTextCodecTest, LongTextConvertsWhole) {
  // Longer than any one conversion buffer, with faults far into it.
  std::u16string utf16;
  std::string cp949;
  std::string malformed;
  std::string utf8;
  std::string repaired;
  for (int i = 0; i < 5000; ++i) {
    const bool fault = i % 1000 == 999;
    utf16 += fault ? u"가a\u00E9" : u"가a";
    cp949 += fault ? "가a?" : "가a";
    utf8 += fault ? u8"가a?" : u8"가a";
    malformed += fault ? "가a\xB0!" : "가a";
    repaired += fault ? u8"가a" + kReplacement + "!" : u8"가a";
  }
  // Compared whole so that a failure does not print 20 000 characters.
  EXPECT_TRUE(codec_->Utf16ToCp949(utf16) == cp949);
  EXPECT_TRUE(codec_->Cp949ToUtf8(cp949) == utf8);
  EXPECT_TRUE(codec_->Cp949ToUtf8(malformed) == repaired);
}

TEST_F(HostTextCodecTest, StaysUsableAfterAFault) {
  EXPECT_EQ(codec_->Cp949ToUtf8("\xB0"), kReplacement);
  EXPECT_EQ(codec_->Cp949ToUtf8("한글"), u8"한글");
  EXPECT_EQ(codec_->Utf16ToCp949(u"\xD83D"), "?");
  EXPECT_EQ(codec_->Utf16ToCp949(u"한글"), "한글");
}

}  // namespace
