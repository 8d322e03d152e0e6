#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "time/TestMoment.h"

namespace quillet {
namespace {

std::string Text(const std::optional<LocalTime>& t) {
  if (!t) return "none";
  return FormatTestMoment(*t) + " w" + std::to_string(t->weekday);
}

TEST(TestMoment, ParsesOnlyTheExactForm) {
  const std::pair<const char*, const char*> rows[] = {
      {"2024-02-29 23:59:59", "2024-02-29 23:59:59 w4"},
      {"1601-01-01 00:00:00", "1601-01-01 00:00:00 w1"},
      {"9999-12-31 12:00:00", "9999-12-31 12:00:00 w5"},
      {"1600-12-31 00:00:00", "none"},
      {"2023-02-29 00:00:00", "none"},
      {"2024-13-01 00:00:00", "none"},
      {"2024-00-10 00:00:00", "none"},
      {"2024-04-31 00:00:00", "none"},
      {"2024-01-01 24:00:00", "none"},
      {"2024-01-01 23:60:00", "none"},
      {"2024-01-01 23:59:60", "none"},
      {"2024-01-01T00:00:00", "none"},
      {"2024-1-01 00:00:00", "none"},
      {"2024-01-01 00:00:00 ", "none"},
      {" 2024-01-01 00:00:00", "none"},
      {"+024-01-01 00:00:00", "none"},
      {"2024-01-01 0a:00:00", "none"},
      {"", "none"},
  };
  for (const auto& [text, expected] : rows) EXPECT_EQ(Text(ParseTestMoment(text)), expected) << text;
}

TEST(TestMoment, LocalSecondsShiftAcrossDaysAndYears) {
  const LocalTime start = *ParseTestMoment("2023-12-31 23:59:58");
  EXPECT_EQ(Text(LocalTimeAt(LocalSeconds(start) + 3)), "2024-01-01 00:00:01 w1");
  EXPECT_EQ(Text(LocalTimeAt(LocalSeconds(start) - 86400 * 365)), "2022-12-31 23:59:58 w6");
  EXPECT_EQ(LocalSeconds(*ParseTestMoment("1970-01-02 00:00:01")), 86401);
}

}  // namespace
}  // namespace quillet
