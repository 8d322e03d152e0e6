#include <gtest/gtest.h>

#include "Fakes.h"
#include "skin/Measure.h"
#include "skin/SkinFile.h"

namespace quillet {
namespace {

using testing::FixedClock;

// 2009-01-15 12:00:15 in Seoul (UTC+9), a Thursday.
const LocalTime kNoonInSeoul{2009, 1, 15, 12, 0, 15, 0, 4};

std::unique_ptr<Measure> Configured(const Clock& clock, std::initializer_list<std::pair<const char*, const char*>> keys,
                                    const char* type = "Time") {
  SkinSection section("M");
  for (const auto& [key, value] : keys) section.Set(key, value);
  std::unique_ptr<Measure> measure = MakeMeasure(type, "M", clock);
  measure->Configure(section);
  measure->Update();
  return measure;
}

TEST(MeasureTypes, TimeAndCalendarInAnyCaseAndNothingElse) {
  const FixedClock clock;
  EXPECT_TRUE(MakeMeasure("Time", "a", clock));
  EXPECT_TRUE(MakeMeasure("time", "a", clock));
  EXPECT_TRUE(MakeMeasure("CALENDAR", "a", clock));
  EXPECT_FALSE(MakeMeasure("CPU", "a", clock));
  EXPECT_FALSE(MakeMeasure("", "a", clock));
}

TEST(TimeMeasure, LocalTimeAsSecondsAndItsDefaultText) {
  const FixedClock clock(kNoonInSeoul);
  const auto measure = Configured(clock, {});
  const long long seconds = static_cast<long long>(measure->Number());
  EXPECT_EQ(seconds % 60, 15);
  EXPECT_EQ(seconds % 3600, 15);
  EXPECT_EQ(seconds % 43200, 15);  // noon: the hour hand points up
  EXPECT_EQ((seconds / 86400 + 4) % 7, 4);  // Thursday
  EXPECT_EQ(measure->Text(), "12:00:15");
}

TEST(TimeMeasure, TheLocalZoneFollowsDaylightSavingOnEveryTick) {
  // Summer in Berlin: UTC+2 including the daylight shift.
  const FixedClock summer(LocalTime{2026, 7, 1, 14, 30, 0, 0, 3}, ZoneState{7200, true, -60});
  EXPECT_EQ(Configured(summer, {})->Text(), "14:30:00");
}

TEST(TimeMeasure, FixedZonesInHours) {
  const FixedClock clock(kNoonInSeoul);  // 03:00:15 UTC
  EXPECT_EQ(Configured(clock, {{"TimeZone", "0"}, {"DaylightSavingTime", "0"}})->Text(), "03:00:15");
  EXPECT_EQ(Configured(clock, {{"TimeZone", "9"}, {"DaylightSavingTime", "0"}})->Text(), "12:00:15");
  EXPECT_EQ(Configured(clock, {{"TimeZone", "-3.5"}, {"DaylightSavingTime", "0"}})->Text(), "23:30:15");
  // The daylight shift is added only while daylight time is in force here, and only when asked.
  const FixedClock summer(kNoonInSeoul, ZoneState{9 * 3600, true, -60});
  EXPECT_EQ(Configured(summer, {{"TimeZone", "0"}})->Text(), "04:00:15");
  EXPECT_EQ(Configured(summer, {{"TimeZone", "0"}, {"DaylightSavingTime", "2"}})->Text(), "03:00:15");
  // An absurd zone is held to a day from UTC instead of making no time at all.
  EXPECT_EQ(Configured(clock, {{"TimeZone", "1e30"}, {"DaylightSavingTime", "0"}})->Text(), "03:00:15");
}

TEST(TimeMeasure, FormatsGiveTheNumberTheyStartWith) {
  const FixedClock clock(LocalTime{2009, 1, 5, 9, 7, 3, 0, 1});
  auto day = Configured(clock, {{"Format", "\"%#d"}});
  EXPECT_EQ(day->Number(), 5);
  EXPECT_EQ(day->Text(), "5");
  EXPECT_EQ(Configured(clock, {{"Format", "%H%M"}})->Number(), 907);
  auto words = Configured(clock, {{"Format", "%A"}});
  EXPECT_EQ(words->Number(), 0);
  EXPECT_EQ(words->Text(), "Monday");
  // A conversion the runtime does not know is text, not the end of the program.
  EXPECT_EQ(Configured(clock, {{"Format", "%Q %d"}})->Text(), "%Q 05");
}

TEST(CalendarMeasure, MonthCountsWithOffsets) {
  const FixedClock clock(LocalTime{2009, 1, 20, 10, 0, 0, 0, 2});
  EXPECT_EQ(Configured(clock, {}, "Calendar")->Number(), 24109);
  const auto before = Configured(clock, {{"Offset", "-1"}}, "Calendar");
  EXPECT_EQ(before->Number(), 24108);
  EXPECT_EQ(before->Text(), "24108");
}

TEST(Measures, InversionAndTheRelativeValue) {
  const FixedClock clock(LocalTime{2009, 1, 1, 0, 0, 0, 0, 4});
  // A month count far above the default range: clamped to 1.
  EXPECT_EQ(Configured(clock, {}, "Calendar")->Relative(), 1.0);
  const auto ranged = Configured(clock, {{"MinValue", "24000"}, {"MaxValue", "24200"}}, "Calendar");
  EXPECT_NEAR(ranged->Relative(), 109.0 / 200, 1e-9);
  const auto inverted =
      Configured(clock, {{"MinValue", "24000"}, {"MaxValue", "24200"}, {"InvertMeasure", "1"}}, "Calendar");
  EXPECT_EQ(inverted->Number(), 24200 - 24109 + 24000);
  EXPECT_NEAR(inverted->Relative(), 91.0 / 200, 1e-9);
  // An empty range gives 0, never NaN.
  EXPECT_EQ(Configured(clock, {{"MinValue", "5"}, {"MaxValue", "5"}}, "Calendar")->Relative(), 0.0);
}

}  // namespace
}  // namespace quillet
