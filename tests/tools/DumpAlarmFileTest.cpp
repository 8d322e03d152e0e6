#include <gtest/gtest.h>

#include "DumpAlarmFile.h"
#include "HostTextCodec.h"
#include "schedule/AlarmFileFormat.h"

namespace quillet {
namespace {

TEST(DumpAlarmFile, EveryFieldWithTextInUtf8AndDamageNamed) {
  ScheduleRecord r;
  r.year = 2026;
  r.message = "회의\r\n준비";
  r.reservedTexts = {"x", "", "z"};
  const std::string bytes = SerializeAlarmFile({r, r});
  EXPECT_TRUE(LooksLikeAlarmFile(bytes));
  EXPECT_FALSE(LooksLikeAlarmFile("\x11" "150MEMO SIGNATURE"));

  const auto codec = MakeHostTextCodec();
  const DumpResult sound = DumpAlarmFile(bytes, *codec);
  EXPECT_EQ(sound.error, "");
  EXPECT_NE(sound.json.find(u8"\"message\": \"회의\\r\\n준비\""), std::string::npos) << sound.json;
  EXPECT_NE(sound.json.find("\"reservedTexts\": [\"x\", \"\", \"z\"]"), std::string::npos);

  const DumpResult cut = DumpAlarmFile(std::string_view(bytes).substr(0, bytes.size() - 10), *codec);
  EXPECT_NE(cut.error.find("1 complete"), std::string::npos) << cut.error;
  EXPECT_NE(DumpAlarmFile(bytes.substr(0, bytes.size() - 4), *codec).error, "");  // no end mark
}

}  // namespace
}  // namespace quillet
