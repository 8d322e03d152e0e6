#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "calendar/Anniversaries.h"
#include "calendar/DayInfoFormat.h"
#include "lunar/LunarCalendar.h"
#include "time/Gregorian.h"

namespace quillet {
namespace {

using Days = std::vector<std::pair<int, int>>;  // (month, day)

std::vector<DayInfoRecord> List(const std::string& lines) { return ParseDayInfo(lines).records; }

// The days of a year the month data marks.
Days MarkedDays(const std::vector<DayInfoRecord>& list, int year) {
  Days days;
  for (int month = 1; month <= 12; ++month) {
    const AnniversaryMonth data = AnniversariesOfMonth(list, year, month);
    for (int day = 1; day <= 31; ++day) {
      if (data.Day(day).any) days.emplace_back(month, day);
    }
  }
  return days;
}

TEST(AnniversaryMonth, ASolarHolidayMarksItsDayInEveryYear) {
  const auto list = List("5|5|+|F|어린이날|T|3\n");
  for (const int year : {2024, 2026}) {
    const AnniversaryMonth may = AnniversariesOfMonth(list, year, 5);
    EXPECT_TRUE(may.Day(5).holiday);
    EXPECT_EQ(may.Day(5).marks.to_ulong(), 1u << 3);
    EXPECT_EQ(may.Day(5).text, "어린이날");
    EXPECT_EQ(MarkedDays(list, year), (Days{{5, 5}}));
  }
}

TEST(AnniversaryMonth, LunarNewYearIsMarkedOnceInEveryShownYear) {
  const auto list = List("1|1|-|F|설날|T|1\n");
  for (int year = 1970; year <= 2030; ++year) {
    const Days days = MarkedDays(list, year);
    ASSERT_EQ(days.size(), 1u) << year;
    LunarDate lunar;
    ASSERT_TRUE(SolarToLunar(year, days[0].first, days[0].second, 12, lunar));
    EXPECT_EQ(lunar.month * 100 + lunar.day, 101) << year;
  }
  EXPECT_EQ(MarkedDays(list, 2025), (Days{{1, 29}}));
}

TEST(AnniversaryMonth, TheEndOfALunarYearIsMarkedInTheNextSolarYear) {
  // Lunar 2024-12-20 is 2025-01-19; lunar 2025-12-20 is already in 2026.
  EXPECT_EQ(MarkedDays(List("12|20|-|F|제사|F|7\n"), 2025), (Days{{1, 19}}));
}

TEST(AnniversaryMonth, ALeapMonthEntryAppearsOnlyInYearsWithThatLeapMonth) {
  const auto leap = List("6|10|-|T|윤유월|F|1\n");
  const auto plain = List("6|10|-|F|유월|F|1\n");
  EXPECT_EQ(MarkedDays(leap, 2024), Days{});  // 2024 has no leap month; 2025 has a leap 6th month
  ASSERT_EQ(MarkedDays(leap, 2025).size(), 1u);
  ASSERT_EQ(MarkedDays(plain, 2025).size(), 1u);
  EXPECT_NE(MarkedDays(leap, 2025), MarkedDays(plain, 2025));
}

TEST(AnniversaryMonth, MarksAreTheImageNumbersOneToEleven) {
  const auto list = List("3|1|+|F|a|F|2\n3|1|+|F|b|F|5\n3|1|+|F|c|F|0\n3|1|+|F|d|F|12\n3|2|+|F|e|F|0\n");
  const AnniversaryMonth march = AnniversariesOfMonth(list, 2026, 3);
  EXPECT_EQ(march.Day(1).marks.to_ulong(), (1u << 2) | (1u << 5));
  EXPECT_FALSE(march.Day(1).holiday);
  EXPECT_TRUE(march.Day(2).any);
  EXPECT_TRUE(march.Day(2).marks.none());
}

// The month data converts lunar entries to solar days; the day match converts each solar day to
// its lunar date. Both must find the same days, flags and texts.
TEST(AnniversaryMonth, AgreesWithTheMatchOfEveryDay) {
  const auto list = List(
      "1|1|-|F|설날|T|1\n12|20|-|F|제사|F|7\n11|15|-|F|동지|F|4\n4|8|-|T|윤사월|F|2\n1|30|-|F|그믐|F|3\n"
      "5|5|+|F|어린이날|T|3\n2|29|+|F|윤일|F|6\n8|15|-|F|추석|T|2\n9|17|+|F|생일|F|3\n");
  for (int year = 1990; year <= 2030; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const AnniversaryMonth data = AnniversariesOfMonth(list, year, month);
      for (int day = 1; day <= 31; ++day) {
        AnniversaryDay expected;
        if (day <= DaysInMonth(year, month)) {
          for (const DayInfoRecord* entry : AnniversariesOn(list, year, month, day)) {
            expected.any = true;
            expected.holiday = expected.holiday || entry->holiday;
            expected.marks.set(entry->image);
          }
          expected.text = AnniversaryDayText(list, year, month, day);
        }
        const AnniversaryDay& got = data.Day(day);
        ASSERT_TRUE(got.any == expected.any && got.holiday == expected.holiday && got.marks == expected.marks &&
                    got.text == expected.text)
            << year << "-" << month << "-" << day << ": " << got.text << " / " << expected.text;
      }
    }
  }
}

TEST(AnniversaryMatch, ChuseokFallsOnADifferentSolarDayEachYear) {
  const auto list = List("8|15|-|F|추석|T|2\n");
  std::set<std::pair<int, int>> days;
  for (const int year : {2023, 2024, 2025}) {
    const Days marked = MarkedDays(list, year);
    ASSERT_EQ(marked.size(), 1u);
    days.insert(marked[0]);
  }
  EXPECT_EQ(days.size(), 3u);
  EXPECT_EQ(MarkedDays(list, 2024), (Days{{9, 17}}));
  EXPECT_EQ(AnniversariesOn(list, 2024, 9, 16).size(), 0u);
}

TEST(AnniversaryMatch, TheDayTextJoinsNamesInListOrderAfterTheLunarDate) {
  const auto list = List("9|17|+|F|생일|F|3\n8|15|-|F|추석|T|2\n5|5|+|F|어린이날|T|3\n9|17|+|F|약속|F|4\n");
  EXPECT_EQ(AnniversariesOn(list, 2024, 9, 17), (std::vector<const DayInfoRecord*>{&list[0], &list[1], &list[3]}));
  EXPECT_EQ(AnniversaryDayText(list, 2024, 9, 17), "(음) 8.15 \n생일\n추석\n약속");
  EXPECT_EQ(AnniversaryDayText(list, 2025, 9, 17), "생일\n약속");
  EXPECT_EQ(AnniversaryDayText(list, 2025, 9, 18), "");
}

const AnniversaryCategoryNames kCategories = {"일반", "메모", "생일", "약속", "기념일", "병원",
                                              "제사", "사용자1", "사용자2", "", "사용자4"};

TEST(AnniversaryNotification, TheTitleNamesTheCategoryTheDateAndTheCalendar) {
  const auto list = List("5|5|+|F|아이|F|3\n5|5|+|F|아이|F|0\n8|15|-|F|추석|T|10\n4|8|-|T|윤사월|F|12\n");
  const auto title = [&](std::size_t i) { return MakeAnniversaryNotification(list[i], kCategories, AlertStyle::Slide, 5).title; };
  EXPECT_EQ(title(0), "생일 정보 05/05 [양력]");
  EXPECT_EQ(title(1), "  05/05 [양력]");
  EXPECT_EQ(title(2), "  정보 08/15 [음력]");  // an empty category name
  EXPECT_EQ(title(3), "  04/08 [윤달]");       // no category 12: none
  EXPECT_EQ(MakeAnniversaryNotification(list[2], kCategories, AlertStyle::Slide, 5).body, "추석");
}

TEST(AnniversaryNotification, ColoursAndClosingFollowTheStyle) {
  DayInfoRecord entry = List("5|5|+|F|a|F|1\n").at(0);
  const Rgb blue{90, 100, 255}, red{255, 0, 0};
  for (const int number : {0, 1, 2, 3}) {
    const AlertStyle style = static_cast<AlertStyle>(number);
    entry.holiday = true;
    const NotificationRequest holiday = MakeAnniversaryNotification(entry, kCategories, style, 7);
    EXPECT_EQ(holiday.style, style);
    EXPECT_TRUE(holiday.titleColor == blue && holiday.bodyColor == red) << number;
    EXPECT_EQ(holiday.autoCloseMilliseconds, number == 1 || number == 3 ? -1 : 7000);
    entry.holiday = false;
    const NotificationRequest plain = MakeAnniversaryNotification(entry, kCategories, style, 7);
    if (style == AlertStyle::PostIt) {
      EXPECT_TRUE(plain.titleColor == (Rgb{32, 64, 232}) && plain.bodyColor == (Rgb{0, 0, 0}));
    } else {
      EXPECT_TRUE(plain.titleColor == blue && plain.bodyColor == blue) << number;
    }
  }
}

TEST(AnniversaryEditor, DayAndMonthAreAbsoluteValuesWithinTheirRanges) {
  DayInfoRecord edited;
  edited.identifier = 7;
  AnniversaryEditorFields fields{"-5", "45", true, true, true, "생일", 3};
  AnniversaryEditorOutcome ok = AcceptAnniversaryEditor(fields, edited);
  EXPECT_TRUE(ok.accepted);
  EXPECT_EQ(ok.entry, (DayInfoRecord{5, 31, 3, "생일", true, true, true, 7}));
  fields.monthText = "13";
  fields.dayText = "-32";
  const DayInfoRecord capped = AcceptAnniversaryEditor(fields, edited).entry;
  EXPECT_EQ(capped.month * 100 + capped.day, 1231);
  fields.monthText = "0";
  fields.dayText = "45";
  const AnniversaryEditorOutcome zero = AcceptAnniversaryEditor(fields, edited);
  EXPECT_EQ(zero.entry.month * 100 + zero.entry.day, 31);
  EXPECT_FALSE(zero.accepted);
}

TEST(AnniversaryEditor, RefusesWhatTheFileCouldNotKeep) {
  const auto refusal = [](std::string month, std::string day, std::string name) {
    const AnniversaryEditorOutcome o = AcceptAnniversaryEditor({month, day, false, false, false, name, 0}, {});
    EXPECT_EQ(o.accepted, o.refusal.empty());
    return o.refusal;
  };
  EXPECT_EQ(refusal("5", "5", ""), "정보가 없습니다");
  EXPECT_EQ(refusal("5", "5", "a|b"), "정보가 없습니다");
  EXPECT_EQ(refusal("0", "45", "a"), "날짜가 올바르지 않습니다");  // month 0 would vanish at the next read
  EXPECT_EQ(refusal("5", "x", "a"), "날짜가 올바르지 않습니다");
  EXPECT_EQ(refusal("0", "5", ""), "정보가 없습니다");
  EXPECT_EQ(refusal("5", "5", "a"), "");
}

}  // namespace
}  // namespace quillet
