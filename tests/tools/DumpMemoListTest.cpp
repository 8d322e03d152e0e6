#include <gtest/gtest.h>

#include "DumpMemoList.h"
#include "HostTextCodec.h"
#include "Json.h"
#include "memo/MemoListFormat.h"
#include "memo/StarterFiles.h"

namespace quillet {
namespace {

TEST(DumpMemoList, PrintsEveryFieldWithTextInUtf8) {
  MemoRecord second = StarterMemoRecord();
  second.title = "따옴표 \" 와 \\ 와\n줄";
  const std::string bytes = SerializeMemoList({StarterMemoRecord(), second});
  const DumpResult result = DumpMemoList(bytes, *MakeHostTextCodec());
  EXPECT_EQ(result.error, "");
  EXPECT_NE(result.json.find(u8"\"title\": \"Quillet 사용법\""), std::string::npos) << result.json;
  EXPECT_NE(result.json.find(u8"\"title\": \"따옴표 \\\" 와 \\\\ 와\\n줄\""), std::string::npos) << result.json;
  EXPECT_NE(result.json.find("\"expandedSize\": {\"width\": 550, \"height\": 273}"), std::string::npos);
  EXPECT_NE(result.json.find("\"backColor\": 15592941"), std::string::npos);
  EXPECT_EQ(result.json.front(), '[');
}

TEST(DumpMemoList, DamagedFilesAreNamedAndTheirCompleteRecordsStillShown) {
  const auto codec = MakeHostTextCodec();
  const std::string whole = SerializeMemoList({StarterMemoRecord(), StarterMemoRecord()});
  const DumpResult cut = DumpMemoList(std::string_view(whole).substr(0, whole.size() - 1), *codec);
  EXPECT_NE(cut.error.find("cut short"), std::string::npos);
  EXPECT_NE(cut.error.find("1 complete record"), std::string::npos);
  EXPECT_NE(cut.json.find("AboutQuillet.rtf"), std::string::npos);

  EXPECT_NE(DumpMemoList("", *codec).error, "");
  EXPECT_NE(DumpMemoList("\x7Fxx", *codec).error, "");
  EXPECT_EQ(DumpMemoList("\x03" "abc", *codec).json, "[]\n");
}

TEST(Json, ControlCharactersAreEscaped) {
  EXPECT_EQ(JsonString(std::string("a\x01\tb", 4), *MakeHostTextCodec()), "\"a\\u0001\\tb\"");
}

}  // namespace
}  // namespace quillet
