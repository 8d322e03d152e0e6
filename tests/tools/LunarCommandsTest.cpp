#include <gtest/gtest.h>

#include "LunarCommands.h"

namespace quillet {
namespace {

using Args = std::vector<std::string>;

std::string Json(int year, int month, int day, int hour, int weekday, bool leap) {
  return "{\"year\": " + std::to_string(year) + ", \"month\": " + std::to_string(month) + ", \"day\": " +
         std::to_string(day) + ", \"hour\": " + std::to_string(hour) + ", \"weekday\": " + std::to_string(weekday) +
         ", \"leap\": " + (leap ? "true" : "false") + ", \"valid\": true}\n";
}

void ExpectFailure(const LunarCommandOutput& r, int exitCode, const std::string& why, const Args& args) {
  EXPECT_EQ(r.exitCode, exitCode) << ::testing::PrintToString(args);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(why), std::string::npos) << ::testing::PrintToString(args) << ": " << r.err;
}

TEST(LunarCommand, PrintsTheLunarDateAsOneJsonLine) {
  const LunarCommandOutput r = SolarToLunarCommand({"2027-02-07"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, Json(2027, 1, 1, 0, 0, false));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(SolarToLunarCommand({"1900-9-23", "23"}).out, Json(1900, 8, 1, 23, 0, true));
  EXPECT_EQ(SolarToLunarCommand({"2027-02-07", "07"}).out, Json(2027, 1, 1, 7, 0, false));
}

TEST(LunarCommand, DatesWithoutAConversionExitWith1) {
  for (const Args& args : {Args{"2050-01-23"}, Args{"2050-01-22", "23"}, Args{"1900-01-30"}}) {
    ExpectFailure(SolarToLunarCommand(args), 1, args[0] + (args.size() > 1 ? " 23:00" : "") + " is outside", args);
  }
  for (const Args& args : {Args{"2027-02-29"}, Args{"2027-13-01"}, Args{"2027-00-10"}}) {
    ExpectFailure(SolarToLunarCommand(args), 1, "no solar date " + args[0], args);
  }
}

TEST(LunarCommand, UnreadableArgumentsExitWith2) {
  for (const Args& args : {Args{}, Args{"2027-02-07", "1", "2"}, Args{"2027-02-07", "leap"}}) {
    ExpectFailure(SolarToLunarCommand(args), 2, "quillet-data lunar: ", args);
  }
  for (const Args& args : {Args{"27-02-07"}, Args{"2027/02/07"}, Args{"2027-2"}, Args{"2027-02-07-"},
                           Args{"2027-002-07"}, Args{"2027-02-"}, Args{"-2027-02-07"}, Args{"2027-+2-07"},
                           Args{" 2027-02-07"}}) {
    ExpectFailure(SolarToLunarCommand(args), 2, "not a date", args);
  }
  for (const char* hour : {"24", "-1", "123", "ten", ""}) {
    ExpectFailure(SolarToLunarCommand({"2027-02-07", hour}), 2, "not an hour", {hour});
  }
}

TEST(SolarCommand, LeapAndHourAreOptionalInThatOrder) {
  EXPECT_EQ(LunarToSolarCommand({"2033-08-15"}).out, Json(2033, 9, 8, 0, 4, false));
  EXPECT_EQ(LunarToSolarCommand({"1900-08-01"}).out, Json(1900, 8, 25, 0, 6, false));
  EXPECT_EQ(LunarToSolarCommand({"1900-08-01", "leap"}).out, Json(1900, 9, 24, 0, 1, false));
  EXPECT_EQ(LunarToSolarCommand({"1900-08-01", "leap", "23"}).out, Json(1900, 9, 23, 23, 0, false));
  EXPECT_EQ(LunarToSolarCommand({"1900-08-01", "5"}).out, Json(1900, 8, 25, 5, 6, false));
}

TEST(SolarCommand, DatesThatDoNotExistExitWith1AndSayWhy) {
  const struct {
    Args args;
    const char* why;
  } cases[] = {
      {{"2050-01-01"}, "outside the table"},
      {{"1899-12-01"}, "outside the table"},
      {{"2027-13-01"}, "no lunar month 13"},
      {{"2009-04-01", "leap"}, "no leap month 4"},
      {{"2027-01-01", "leap"}, "no leap month 1"},
      {{"2049-12-30"}, "2049-12-30: that month has 29 days"},
      {{"1900-08-30", "leap"}, "1900-08-30 leap: that month has 29 days"},
      {{"2027-01-00"}, "no lunar 2027-01-00"},
  };
  for (const auto& c : cases) ExpectFailure(LunarToSolarCommand(c.args), 1, c.why, c.args);
}

TEST(SolarCommand, UnreadableArgumentsExitWith2) {
  for (const Args& args : {Args{}, Args{"2027-1"}, Args{"2027-01-01x"}, Args{"2027-01-01", "Leap"},
                           Args{"2027-01-01", "leap", "leap"}, Args{"2027-01-01", "23", "leap"},
                           Args{"2027-01-01", "leap", "24"}, Args{"2027-01-01", "leap", "1", "2"}}) {
    ExpectFailure(LunarToSolarCommand(args), 2, "quillet-data solar: ", args);
  }
}

}  // namespace
}  // namespace quillet
