#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/PublicHolidays.h"

namespace quillet {
namespace {

const std::string kSubstitute = "대체공휴일";

std::string Text(const CivilDate& date, const std::string& name, bool substitute) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d ", date.year, date.month, date.day);
  return text + name + (substitute ? " (substitute)" : "");
}

std::vector<std::string> TextsOf(int year) {
  std::vector<std::string> texts;
  for (const PublicHoliday& holiday : PublicHolidaysOf(year)) {
    texts.push_back(Text(holiday.date, holiday.name, holiday.substitute));
  }
  return texts;
}

struct MonthDay {
  int month;
  int day;
};

TEST(PublicHolidays, WholeYearsInDateOrder) {
  struct Year {
    int year;
    MonthDay seollal;  // its first day
    MonthDay buddha;
    MonthDay chuseok;  // its first day
    std::vector<MonthDay> substitutes;
  };
  const Year years[] = {
      {2024, {2, 9}, {5, 15}, {9, 16}, {{2, 12}, {5, 6}}},
      {2025, {1, 28}, {5, 5}, {10, 5}, {{3, 3}, {5, 6}, {10, 8}}},
      {2026, {2, 16}, {5, 24}, {9, 24}, {{3, 2}, {5, 25}, {8, 17}, {10, 5}}},
      {2027, {2, 6}, {5, 13}, {9, 14}, {{2, 9}, {8, 16}, {10, 4}, {10, 11}, {12, 27}}},
      {2028, {1, 26}, {5, 2}, {10, 2}, {{10, 5}}},
      {2029, {2, 12}, {5, 20}, {9, 21}, {{5, 7}, {5, 21}, {9, 24}}},
      {2030, {2, 2}, {5, 9}, {9, 11}, {{2, 5}, {5, 6}}},
  };
  for (const Year& y : years) {
    std::vector<std::string> wanted;
    const auto add = [&](MonthDay when, const std::string& name, bool substitute = false) {
      wanted.push_back(Text({y.year, when.month, when.day}, name, substitute));
    };
    for (const auto& [when, name] : std::vector<std::pair<MonthDay, std::string>>{
             {{1, 1}, "신정"}, {{3, 1}, "3·1절"}, {{5, 5}, "어린이날"}, {{6, 6}, "현충일"},
             {{8, 15}, "광복절"}, {{10, 3}, "개천절"}, {{10, 9}, "한글날"}, {{12, 25}, "성탄절"}}) {
      add(when, name);
    }
    // No three-day run crosses a month end in these years.
    for (int i = 0; i < 3; ++i) add({y.seollal.month, y.seollal.day + i}, "설날");
    add(y.buddha, "부처님오신날");
    for (int i = 0; i < 3; ++i) add({y.chuseok.month, y.chuseok.day + i}, "추석");
    for (const MonthDay& when : y.substitutes) add(when, kSubstitute, true);
    // On a shared date the fixed holiday comes first.
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const std::string& a, const std::string& b) { return a.compare(0, 10, b, 0, 10) < 0; });
    EXPECT_EQ(TextsOf(y.year), wanted) << y.year;
  }
}

TEST(PublicHolidays, RulesOfTheirTime) {
  struct Case {
    CivilDate date;
    std::string name;
    bool listed;
  };
  const Case cases[] = {
      {{2014, 9, 10}, kSubstitute, true},    // 추석 on a Sunday
      {{2013, 2, 12}, kSubstitute, false},   // 설날 on a Sunday before substitutes began
      {{2017, 1, 30}, kSubstitute, true},    // 설날 on a Sunday
      {{2017, 10, 6}, kSubstitute, true},    // 추석 on 개천절
      {{2020, 8, 17}, kSubstitute, false},   // 광복절 on a Saturday, before August 2021
      {{2021, 8, 16}, kSubstitute, true},    // the first under the rule of August 2021
      {{2022, 10, 10}, kSubstitute, true},   // 한글날 on a Sunday
      {{2022, 5, 9}, kSubstitute, false},    // 부처님오신날 on a Sunday, before May 2023
      {{2022, 12, 26}, kSubstitute, false},  // 성탄절 likewise
      {{2023, 5, 29}, kSubstitute, true},    // 부처님오신날 on a Saturday
      {{2020, 4, 30}, "부처님오신날", true},  // lunar 4/8 of the ordinary month, before a leap fourth one
      {{2012, 10, 9}, "한글날", false},
      {{2013, 10, 9}, "한글날", true},
      {{1990, 10, 9}, "한글날", true},
      {{2005, 4, 5}, "식목일", true},
      {{2006, 4, 5}, "식목일", false},
      {{2033, 9, 7}, "추석", true},
      {{2033, 9, 8}, "추석", true},
      {{2033, 9, 9}, "추석", true},
      {{1949, 1, 1}, "신정", true},
  };
  for (const Case& c : cases) {
    const std::vector<PublicHoliday> year = PublicHolidaysOf(c.date.year);
    const bool listed = std::any_of(year.begin(), year.end(), [&](const PublicHoliday& holiday) {
      return holiday.date == c.date && holiday.name == c.name && holiday.substitute == (c.name == kSubstitute);
    });
    EXPECT_EQ(listed, c.listed) << Text(c.date, c.name, false);
  }
  for (const int year : {1948, 1900, 2050}) EXPECT_TRUE(PublicHolidaysOf(year).empty()) << year;
}

}  // namespace
}  // namespace quillet
