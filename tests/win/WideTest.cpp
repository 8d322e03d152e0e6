#include <gtest/gtest.h>

#include "platform/Wide.h"
#include "platform/Win32TextCodec.h"

// The full conversion contract is checked through the host codec (tests/host), which is this
// codec in the Windows build; these cover what the boundary functions add.
namespace quillet::win {
namespace {

using namespace std::string_literals;

TEST(WideTest, KoreanAndNulRoundTrip) {
  ASSERT_EQ("한글"s, "\xC7\xD1\xB1\xDB"s) << "literals must be CP949 in this build";
  const std::string path = "C:\\메모\\똠방각하\0.qld"s;
  const std::wstring wide = WidenCp949(path);
  EXPECT_EQ(wide, L"C:\\메모\\똠방각하\0.qld"s);
  EXPECT_EQ(NarrowToCp949(wide), path);
  EXPECT_EQ(NarrowToCp949Exactly(wide), path);
}

TEST(WideTest, LostCharactersBecomeQuestionMarksOrNothingExactly) {
  EXPECT_EQ(NarrowToCp949(L"가\u00E9나\U0001F600\xD83D"), "가?나??");
  EXPECT_FALSE(NarrowToCp949Exactly(L"caf\u00E9.qld").has_value());
  EXPECT_FALSE(NarrowToCp949Exactly(L"\U0001F600.qld").has_value());
  EXPECT_FALSE(NarrowToCp949Exactly(L"\xDE00.qld").has_value());
  // A real question mark is not a lost character.
  EXPECT_EQ(NarrowToCp949Exactly(L"왜?"), "왜?");
}

TEST(WideTest, MalformedCp949GivesReplacementPerBadByte) {
  EXPECT_EQ(WidenCp949("가\xB0"), L"가\uFFFD");
  EXPECT_EQ(WidenCp949("\xC7\x41 메모"), L"\uFFFDA 메모");
}

TEST(Win32TextCodecTest, ConvertsThroughCodePage949) {
  const Win32TextCodec codec;
  EXPECT_EQ(codec.Utf16ToCp949(u"메모장 \u00E9"), "메모장 ?");
  EXPECT_EQ(codec.Cp949ToUtf8("메모장 \xB0"), u8"메모장 \uFFFD");
}

}  // namespace
}  // namespace quillet::win
