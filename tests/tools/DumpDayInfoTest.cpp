#include <gtest/gtest.h>

#include "DumpDayInfo.h"
#include "HostTextCodec.h"

namespace quillet {
namespace {

TEST(DumpDayInfo, PrintsEveryFieldWithTheNameInUtf8) {
  const DumpResult result = DumpDayInfo("# 기념일\n5|5|+|F|어린이날|T|3\r\n4|8|-|T|\"윤\" 사월|F|0\n", *MakeHostTextCodec());
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.json,
            u8"[\n  {\"identifier\": 1, \"month\": 5, \"day\": 5, \"lunar\": false, \"leap\": false, \"name\": "
            u8"\"어린이날\", \"holiday\": true, \"image\": 3},\n"
            u8"  {\"identifier\": 2, \"month\": 4, \"day\": 8, \"lunar\": true, \"leap\": true, \"name\": "
            u8"\"\\\"윤\\\" 사월\", \"holiday\": false, \"image\": 0}\n]\n");
}

TEST(DumpDayInfo, SkippedLinesAreNamedAndTheRecordsStillShown) {
  std::string bytes = "5|5|+|F||T|3\n1|1|-|F|설날|T|1\n";
  for (int i = 0; i < 11; ++i) bytes += "13|1|+|F|a|F|1\n";
  const DumpResult result = DumpDayInfo(bytes, *MakeHostTextCodec());
  EXPECT_NE(result.json.find(u8"\"name\": \"설날\""), std::string::npos) << result.json;
  EXPECT_EQ(result.error.find("12 lines are not an anniversary and skipped (line 1: 6 fields, not 7; line 3: month 13"),
            0u)
      << result.error;
  EXPECT_NE(result.error.find("; 2 more)"), std::string::npos) << result.error;
  EXPECT_EQ(DumpDayInfo("", *MakeHostTextCodec()).json, "[]\n");
}

TEST(DumpDayInfo, TheFileIsKnownByItsNameInAnyLetterCase) {
  EXPECT_TRUE(IsDayInfoFileName("DayInfo.dat"));
  EXPECT_TRUE(IsDayInfoFileName("C:\\Quillet\\CalendarSkin\\DAYINFO.DAT"));
  EXPECT_TRUE(IsDayInfoFileName("/tmp/x/dayinfo.dat"));
  EXPECT_FALSE(IsDayInfoFileName("DayInfo.dat.damaged-20261208-093015"));
  EXPECT_FALSE(IsDayInfoFileName("MyDayInfo.dat"));
}

}  // namespace
}  // namespace quillet
