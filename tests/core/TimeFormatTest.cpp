#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "time/Gregorian.h"
#include "time/TimeFormat.h"

namespace quillet {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kCycle = 146097 * kDay;  // 400 Gregorian years

BrokenDownTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return BreakDownUtc(DaysSinceEpoch({year, month, day}) * kDay + hour * 3600 + minute * 60 + second);
}

std::string Text(const BrokenDownTime& t) {
  using std::to_string;
  return to_string(t.year) + '-' + to_string(t.month) + '-' + to_string(t.day) + ' ' + to_string(t.hour) + ':' +
         to_string(t.minute) + ':' + to_string(t.second) + " w" + to_string(t.weekday) + " d" + to_string(t.yearDay);
}

// --- BreakDownUtc -------------------------------------------------------------------------

// Walks the calendar day by day with Gregorian.h's month lengths, independently of the code.
TEST(BreakDownUtc, EveryDayFrom1900To2100) {
  std::int64_t start = -2208988800;  // 1900-01-01 00:00:00, a Monday
  int weekday = 1, failures = 0;
  for (int year = 1900; year <= 2100; ++year) {
    int yearDay = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day, ++yearDay, start += kDay, weekday = (weekday + 1) % 7) {
        for (const std::int64_t within : {std::int64_t{0}, (yearDay * 7919 + year) % kDay, kDay - 1}) {
          const BrokenDownTime t = BreakDownUtc(start + within);
          const bool same = t.year == year && t.month == month && t.day == day && t.weekday == weekday &&
                            t.yearDay == yearDay && t.hour == within / 3600 && t.minute == within / 60 % 60 &&
                            t.second == within % 60;
          if (!same && ++failures <= 5)
            ADD_FAILURE() << year << '-' << month << '-' << day << " +" << within << ": " << Text(t);
        }
      }
    }
  }
  EXPECT_EQ(start, 4133980800);  // 2101-01-01: the walk itself kept count
  EXPECT_EQ(failures, 0);
}

TEST(BreakDownUtc, YearsBeforeTheFirstFollowTheSameCalendar) {
  const std::int64_t yearOne = -62135596800;  // 0001-01-01, a Monday; the year 0 is a leap year
  EXPECT_EQ(Text(BreakDownUtc(yearOne)), "1-1-1 0:0:0 w1 d0");
  EXPECT_EQ(Text(BreakDownUtc(yearOne - 1)), "0-12-31 23:59:59 w0 d365");
  EXPECT_EQ(Text(BreakDownUtc(yearOne - 366 * kDay)), "0-1-1 0:0:0 w6 d0");
  EXPECT_EQ(Text(BreakDownUtc(yearOne - 366 * kDay - 1)), "-1-12-31 23:59:59 w5 d364");
  for (const std::int64_t second : {795184889LL, -2208988800LL, 951782400LL + 43210}) {
    for (const int cycles : {1, 5, 2400}) {
      BrokenDownTime earlier = BreakDownUtc(second - cycles * kCycle);
      earlier.year += 400 * cycles;
      EXPECT_EQ(Text(earlier), Text(BreakDownUtc(second))) << cycles;
    }
  }
}

TEST(BreakDownUtc, HugeMomentsSaturateAtTheYears999999) {
  EXPECT_EQ(Text(BreakDownUtc(INT64_MIN)), "-999999-1-1 0:0:0 w1 d0");
  EXPECT_EQ(Text(BreakDownUtc(kEarliestBrokenDownSecond - 1)), "-999999-1-1 0:0:0 w1 d0");
  EXPECT_EQ(Text(BreakDownUtc(kEarliestBrokenDownSecond + kDay - 1)), "-999999-1-1 23:59:59 w1 d0");
  EXPECT_EQ(Text(BreakDownUtc(INT64_MAX)), "999999-12-31 23:59:59 w5 d364");
  EXPECT_EQ(Text(BreakDownUtc(kLatestBrokenDownSecond + 1)), "999999-12-31 23:59:59 w5 d364");
  EXPECT_EQ(Text(BreakDownUtc(kLatestBrokenDownSecond - kDay)), "999999-12-30 23:59:59 w4 d363");
  EXPECT_EQ(FormatTime("%Y %C %y %G %V", BreakDownUtc(INT64_MIN)), "-999999 -10000 01 -999999 01");
  EXPECT_EQ(FormatTime("%Y %C %y %G %V", BreakDownUtc(INT64_MAX)), "999999 9999 99 999999 52");
}

// --- FormatTime ---------------------------------------------------------------------------

TEST(FormatTime, EveryConversionOnTuesday14March1995) {
  const BrokenDownTime t = BreakDownUtc(795184889);
  EXPECT_EQ(FormatTime("%a|%A|%b|%B|%c|%d|%H|%I|%j|%m|%M|%p|%S|%U|%w|%W|%x|%X|%y|%Y|%z|%Z|%%", t),
            "Tue|Tuesday|Mar|March|03/14/95 12:41:29|14|12|12|073|03|41|PM|29|11|2|11|03/14/95|12:41:29|95|1995|||%");
  EXPECT_EQ(FormatTime("%C|%D|%e|%F|%g|%G|%h|%n|%r|%R|%t|%T|%u|%V", t),
            "19|03/14/95|14|1995-03-14|95|1995|Mar|\n|12:41:29 PM|12:41|\t|12:41:29|2|11");
  EXPECT_EQ(FormatTime("%#c|%#x", t), "Tuesday, March 14, 1995 12:41:29|Tuesday, March 14, 1995");
}

TEST(FormatTime, NamesOfEveryMonthAndWeekday) {
  std::string months, days;
  for (int month = 1; month <= 12; ++month) months += FormatTime("%b=%B ", At(2001, month, 15));
  for (int day = 14; day <= 20; ++day) days += FormatTime("%a=%A %w%u ", At(2001, 1, day));
  EXPECT_EQ(months, "Jan=January Feb=February Mar=March Apr=April May=May Jun=June Jul=July Aug=August "
                    "Sep=September Oct=October Nov=November Dec=December ");
  EXPECT_EQ(days, "Sun=Sunday 07 Mon=Monday 11 Tue=Tuesday 22 Wed=Wednesday 33 Thu=Thursday 44 Fri=Friday 55 "
                  "Sat=Saturday 66 ");
}

TEST(FormatTime, ClockAtMidnightNoonAndTheDaysLastSecond) {
  const auto clock = [](int hour, int minute, int second) {
    return FormatTime("%H:%M:%S %I%p %#H %#I:%#M:%#S|%r|%#r|%#T|%#R|%#X", At(2024, 2, 29, hour, minute, second));
  };
  EXPECT_EQ(clock(0, 0, 0), "00:00:00 12AM 0 12:0:0|12:00:00 AM|12:0:0 AM|0:0:0|0:0|00:00:00");
  EXPECT_EQ(clock(1, 5, 9), "01:05:09 01AM 1 1:5:9|01:05:09 AM|1:5:9 AM|1:5:9|1:5|01:05:09");
  EXPECT_EQ(clock(12, 0, 0), "12:00:00 12PM 12 12:0:0|12:00:00 PM|12:0:0 PM|12:0:0|12:0|12:00:00");
  EXPECT_EQ(clock(13, 0, 0), "13:00:00 01PM 13 1:0:0|01:00:00 PM|1:0:0 PM|13:0:0|13:0|13:00:00");
  EXPECT_EQ(clock(23, 59, 59), "23:59:59 11PM 23 11:59:59|11:59:59 PM|11:59:59 PM|23:59:59|23:59|23:59:59");
}

// Years beginning on each weekday, at their first and last days.
TEST(FormatTime, DayOfYearAndWeekNumbersAtYearEnds) {
  const struct {
    int year;
    const char *first, *last;
  } years[] = {
      {2006, "Sun 001 01 00 52 2005 05 1", "Sun 365 53 52 52 2006 06 365"},
      {2007, "Mon 001 00 01 01 2007 07 1", "Mon 365 52 53 01 2008 08 365"},
      {2008, "Tue 001 00 00 01 2008 08 1", "Wed 366 52 52 01 2009 09 366"},
      {2003, "Wed 001 00 00 01 2003 03 1", "Wed 365 52 52 01 2004 04 365"},
      {2009, "Thu 001 00 00 01 2009 09 1", "Thu 365 52 52 53 2009 09 365"},
      {2010, "Fri 001 00 00 53 2009 09 1", "Fri 365 52 52 52 2010 10 365"},
      {2005, "Sat 001 00 00 53 2004 04 1", "Sat 365 52 52 52 2005 05 365"},
  };
  for (const auto& y : years) {
    EXPECT_EQ(FormatTime("%a %j %U %W %V %G %g %#j", At(y.year, 1, 1)), y.first) << y.year;
    EXPECT_EQ(FormatTime("%a %j %U %W %V %G %g %#j", At(y.year, 12, 31, 23, 59, 59)), y.last) << y.year;
  }
}

TEST(FormatTime, HashFlagRemovesLeadingZerosOrIsIgnored) {
  const BrokenDownTime t = At(2005, 1, 2, 3, 4, 5);  // a Sunday in the ISO week 2004-W53
  EXPECT_EQ(FormatTime("%d|%e|%y|%C|%U|%W|%V", t), "02| 2|05|20|01|00|53");
  EXPECT_EQ(FormatTime("%#d %#e %#H %#I %#j %#m %#M %#S %#U %#W %#V %#w %#y %#Y %#C", t),
            "2 2 3 3 2 1 4 5 1 0 53 0 5 2005 20");
  EXPECT_EQ(FormatTime("%#D|%#F|%#T|%#R|%#r", t), "1/2/5|2005-1-2|3:4:5|3:4|3:4:5 AM");
  EXPECT_EQ(FormatTime("%#a %#A %#b %#B %#h %#p %#X %#g %#G %#u [%#z%#Z] %#%%#n%#t", t),
            "Sun Sunday Jan January Jan AM 03:04:05 04 2004 7 [] %\n\t");
  EXPECT_EQ(FormatTime("%#c|%#x|%c|%x", t),
            "Sunday, January 02, 2005 03:04:05|Sunday, January 02, 2005|01/02/05 03:04:05|01/02/05");
  EXPECT_EQ(FormatTime("%Y %#Y %C %#C %y %#y", At(905, 6, 1)), "0905 905 09 9 05 5");
  BrokenDownTime caesar = BreakDownUtc(DaysSinceEpoch({356, 3, 15}) * kDay - kCycle);
  EXPECT_EQ(FormatTime("%Y %#Y %C %y %F", caesar), "-0044 -44 -01 56 -0044-03-15");
}

TEST(FormatTime, AnythingElseAfterAPercentStaysAsText) {
  const BrokenDownTime t = At(1995, 3, 14, 12, 41, 29);
  const struct {
    std::string_view format, text;
  } cases[] = {
      {"%Q", "%Q"}, {"%#Q", "%#Q"}, {"100%", "100%"}, {"%#", "%#"}, {"%", "%"}, {"%Ec %Oy %EY", "%Ec %Oy %EY"},
      {"%-d %_d %5H %02d", "%-d %_d %5H %02d"}, {"%s %k %l %P %L %v %+", "%s %k %l %P %L %v %+"},
      {"%%Q", "%Q"}, {"%##d", "%##d"}, {"%%%d", "%14"}, {"%#%#d", "%#d"},
      {std::string_view("%H\0%M", 5), "12"}, {std::string_view("%#\0d", 4), "%#"},
      {"\xB0\xA1 %H\xBD\xC3 %\xB0\xA1", "\xB0\xA1 12\xBD\xC3 %\xB0\xA1"},  // CP949 "가 %H시 %가"
  };
  for (const auto& c : cases) EXPECT_EQ(FormatTime(c.format, t), c.text) << c.format;
}

TEST(FormatTime, TextStopsBeforeThePieceThatPassesTheSkinBuffer) {
  const BrokenDownTime t = At(1995, 3, 14, 12, 41, 29);
  EXPECT_EQ(FormatTime(std::string(10000, 'x'), t), std::string(kMaxFormattedTime, 'x'));
  std::string years, zones;
  for (int i = 0; i < 5000; ++i) years += "%Y", zones += "%Z";
  const std::string text = FormatTime(years, t);
  EXPECT_EQ(text.size(), 4092u);
  EXPECT_EQ(text.substr(4088), "1995");
  for (const std::string_view character : {"\xB0\xA1", "\x81\x5A", "\xFE\x61", "\xA1\xFE"}) {  // CP949
    std::string korean = "a";
    for (int i = 0; i < 5000; ++i) korean += character;
    EXPECT_EQ(FormatTime(korean, t).size(), 4095u);
    EXPECT_EQ(FormatTime(korean.substr(1), t), korean.substr(1, 4094));  // never half a character
  }
  EXPECT_EQ(FormatTime(std::string(4094, 'x') + "%Yy", t), std::string(4094, 'x'));
  EXPECT_EQ(FormatTime(zones + "%d", t), "14");
}

TEST(FormatTime, FieldsOutOfRangeGiveBoundedText) {
  const BrokenDownTime low{INT_MIN, 13, -1, -25, INT_MIN, -1, -8, -1};
  const BrokenDownTime high{INT_MAX, 0, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX};
  EXPECT_EQ(FormatTime("%b %B %a %A|%Y %C %y %d %I%p %j", low), "? ? ? ?|-2147483648 -21474837 52 -01 11PM 000");
  EXPECT_EQ(FormatTime("%b %a|%Y %j %d %#e", high), "? ?|2147483647 2147483648 2147483647 2147483647");
  for (const char c : std::string_view("aAbBcCdDeFgGhHIjmMnprRStTuUVwWxXyYzZ%")) {
    for (const BrokenDownTime& t : {low, high}) {
      EXPECT_LT(FormatTime(std::string("%") + c + "%#" + c, t).size(), 200u) << c;
    }
  }
}

}  // namespace
}  // namespace quillet
