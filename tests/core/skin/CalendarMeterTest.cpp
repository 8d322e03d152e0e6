#include <gtest/gtest.h>

#include <cstdio>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "calendar/MonthDays.h"
#include "skin/CalendarMeter.h"
#include "skin/SkinBuilder.h"

namespace quillet {
namespace {

using testing::DrawCall;
using testing::FixedClock;
using testing::RecordingCanvas;
using testing::TableImageLoader;

class MovableClock final : public Clock {
 public:
  LocalTime Now() const override { return now; }
  std::int64_t UtcSeconds() const override { return 0; }
  ZoneState Zone() const override { return {}; }
  LocalTime now;
};

// Day data of the test's choosing, for whatever month is asked.
class FixedDays final : public CalendarDays {
 public:
  CalendarMonth DaysOf(int year, int month) const override {
    asked = year * 100 + month;
    return month_;
  }
  CalendarDay& operator[](int day) { return month_.days[static_cast<std::size_t>(day)]; }
  mutable int asked = 0;

 private:
  CalendarMonth month_;
};

// One line a call: "picture[source left,top]@left,top" or "text#RRGGBB@left,top".
std::string Trace(const std::vector<DrawCall>& calls) {
  std::string trace;
  char line[96];
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Image) {
      std::snprintf(line, sizeof line, "%s[%d,%d]@%d,%d\n", c.image.substr(c.image.rfind('\\') + 1).c_str(),
                    c.source.left, c.source.top, c.destination.left, c.destination.top);
    } else if (c.kind == DrawCall::Text) {
      std::snprintf(line, sizeof line, "text#%06X@%g,%g\n", c.style.color & 0xFFFFFFu, c.box.x, c.box.y);
    } else {
      continue;
    }
    trace += line;
  }
  return trace;
}

constexpr const char* kSkin =
    "[Calendar]\nDrawType=CALENDAR\nX=5\nY=40\nSPACE_W=4\nSPACE_H=2\nDAY_W=\"10\"\nDAY_H=12\n"
    "SunImageName=sun.png\nSatImageName=sat.png\nNormalImageName=num.png\n"
    "TodayMarkImage=today.png\nMarkW=24\nMarkH=14\nMarkShiftX=-2\nMarkShiftY=-1\n"
    "DayBackgroundImage=back.png\n"
    "DayInfoFrame=info.png\nInfoW=4\nInfoH=4\nInfoShiftX=1\nInfoShiftY=10\nInfoNextShiftX=5\n"
    "PeriodFrame=period.png\nPeriodW=24\nPeriodH=3\nPeriodShiftY=13\n"
    "DayInfoText=1\nInfoTextW=30\nInfoTextH=10\nInfoTextShiftY=14\n"
    "YearImageName=year.png\nYEAR_W=8\nYEAR_H=10\nYEAR_X=60\nYEAR_Y=2\n"
    "MonthFrameImage=month.png\nMONTH_W=20\nMONTH_H=10\nMONTH_X=100\nMONTH_Y=2\n";

class CalendarMeterTest : public ::testing::Test {
 protected:
  CalendarMeterTest() {
    for (const char* digits : {"sun.png", "sat.png", "num.png"}) images.AddFile(Path(digits), 100, 12);
    images.AddFile(Path("today.png"), 24, 14);
    images.AddFile(Path("back.png"), 20, 12);
    images.AddFile(Path("info.png"), 44, 4);
    images.AddFile(Path("period.png"), 72, 3);
    images.AddFile(Path("year.png"), 80, 10);
    images.AddFile(Path("month.png"), 20, 120);
  }
  static std::string Path(const char* name) { return std::string("C:\\Cal\\") + name; }

  // One tick of a skin of the calendar section and the extra keys.
  std::string Drawn(const std::string& extra) {
    SkinFile file;
    file.LoadFromText(kSkin + extra);
    std::optional<BuiltSkin> skin = BuildSkin(file, SkinBuildContext{images, clock, "C:\\Cal\\", {}, 1000, &days});
    EXPECT_TRUE(skin && skin->meters.size() == 1u && skin->meters[0]->type() == MeterType::Calendar);
    if (!skin || skin->meters.empty()) return "";
    RecordingCanvas canvas;
    DrawSkin(*skin, canvas);
    return Trace(canvas.calls());
  }

  TableImageLoader images;
  FixedClock clock{LocalTime{2027, 2, 10, 9, 0, 0, 0, 3}};
  FixedDays days;
};

TEST_F(CalendarMeterTest, DrawsAMonthWithItsMarks) {
  days[3].holiday = true;
  days[3].hasSomething = true;
  days[3].marks.set(2);
  days[3].marks.set(5);
  days[3].text = "설날";
  days[15].hasSomething = true;
  days[15].periodBits = 1 | 4;
  days[16].text = "not drawn without hasSomething";
  const std::string trace = Drawn("");
  EXPECT_EQ(days.asked, 202702);

  // February 2027 starts on a Monday: cells are 24 apart, rows 14. Each fragment is one day's
  // calls in order; days 1–9 sit half a digit to the right.
  const char* fragments[] = {
      // 2027 from the year strip, then the month frame stacked vertically.
      "year.png[16,0]@60,2\nyear.png[0,0]@68,2\nyear.png[16,0]@76,2\nyear.png[56,0]@84,2\nmonth.png[0,10]@100,2\n"
      "back.png[0,0]@29,40\nnum.png[10,0]@34,40\n",
      // A holiday Wednesday: marks 2 and 5 side by side, Sunday digits, the text with its halo.
      "back.png[0,0]@77,40\ninfo.png[4,0]@78,50\ninfo.png[16,0]@83,50\nsun.png[30,0]@82,40\n"
      "text#FFFFFF@73,54\ntext#FFFFFF@72,55\ntext#000000@72,54\nback.png[0,0]@101,40\n",
      "back.png[0,0]@149,40\nsat.png[60,0]@154,40\nback.png[0,0]@5,54\nsun.png[70,0]@10,54\n",
      // Today.
      "back.png[0,0]@77,54\ntoday.png[0,0]@75,53\nnum.png[10,0]@77,54\nnum.png[0,0]@87,54\n",
      // A period's start and end frames under the digits.
      "back.png[0,0]@29,68\nperiod.png[0,0]@29,81\nperiod.png[48,0]@29,81\nnum.png[10,0]@29,68\nnum.png[50,0]@39,68\n"
      "back.png[0,0]@53,68\nnum.png[10,0]@53,68\nnum.png[60,0]@63,68\nback.png",
      "sat.png[20,0]@149,68\nsat.png[0,0]@159,68\n",
      "back.png[0,0]@5,96\nsun.png[20,0]@5,96\nsun.png[80,0]@15,96\n",
  };
  std::size_t from = 0;
  for (const char* fragment : fragments) {
    const std::size_t at = trace.find(fragment, from);
    ASSERT_NE(at, std::string::npos) << fragment << "\nin\n" << trace;
    from = at;
  }
  EXPECT_EQ(trace.substr(trace.size() - 20), "sun.png[80,0]@15,96\n");  // the 28th is the last cell
  EXPECT_EQ(trace.find("text", trace.find("text#000000") + 1), std::string::npos);

  // A fixed colour draws the text once; without WeekDayStartX the 1st takes the first column.
  const std::string plain = Drawn("FontColor=255,0,0\nWeekDayStartX=0\n");
  EXPECT_NE(plain.find("back.png[0,0]@5,40\nnum.png[10,0]@10,40\n"), std::string::npos) << plain;
  EXPECT_NE(plain.find("sun.png[30,0]@58,40\ntext#FF0000@48,54\nback.png"), std::string::npos) << plain;
}

TEST(CalendarMeter, NavigationStopsAtTheTablesEndsAndCellsAreHit) {
  TableImageLoader images;
  MovableClock clock;
  clock.now = LocalTime{2049, 11, 20};
  MeterContext context{images, "", &clock, nullptr};
  CalendarMeter meter;
  SkinSection section("Calendar");
  for (const auto& [key, value] : {std::pair{"X", "5"}, {"Y", "40"}, {"SPACE_W", "4"}, {"SPACE_H", "2"},
                                   {"DAY_W", "10"}, {"DAY_H", "12"}}) {
    section.Set(key, value);
  }
  meter.Configure(section, context);
  const auto go = [&](const char* word) {
    const std::optional<CalendarNavigation> navigation = CalendarNavigationOf(word);
    EXPECT_TRUE(navigation) << word;
    if (navigation) meter.Navigate(*navigation);
    return meter.ShownYear() * 100 + meter.ShownMonth();
  };
  EXPECT_FALSE(CalendarNavigationOf("NEXTDAY"));
  EXPECT_EQ(go("NEXTMONTH"), 204912);
  EXPECT_EQ(go("NEXTMONTH"), 204912);
  EXPECT_EQ(go("NEXTYEAR"), 204912);
  EXPECT_EQ(go("PREVMONTH"), 204911);
  EXPECT_EQ(go("NEXTMONTH"), 204912);

  // December 2049 starts on a Wednesday: the 1st is in the fourth column.
  const std::optional<CalendarCell> first = meter.CellOf(1);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->cell, (Rect{77, 40, 97, 52}));
  EXPECT_FALSE(meter.CellOf(32));
  struct Hit {
    int x, y;
    int day;  // 0: none
  };
  const Hit hits[] = {
      {78, 41, 1},  {76, 51, 1},  {98, 45, 1},   // the cell and the half gaps around it
      {99, 45, 0},  {74, 45, 0},                 // on the line between cells, before the 1st
      {150, 54, 11}, {130, 96, 31}, {154, 96, 0},  // later rows; after the last day
  };
  for (const Hit& h : hits) {
    const std::optional<CalendarCell> cell = meter.CellAt(h.x, h.y);
    EXPECT_EQ(cell ? cell->date.day : 0, h.day) << h.x << "," << h.y;
    if (cell) {
      EXPECT_EQ(cell->date.year * 100 + cell->date.month, 204912);
    }
  }

  // The meter takes "now" on every tick without a measure; the offset stays held at the end.
  clock.now = LocalTime{2049, 12, 1};
  meter.Update();
  EXPECT_EQ(go("PREVMONTH"), 204911);
  EXPECT_EQ(go("RESETMONTH"), 204912);

  clock.now = LocalTime{1900, 2, 3};
  meter.Update();
  EXPECT_EQ(go("PREVYEAR"), 190001);
  EXPECT_EQ(go("NEXTMONTH"), 190002);
  clock.now = LocalTime{2027, 12, 31};
  meter.Update();
  EXPECT_EQ(go("RESETMONTH"), 202712);
  EXPECT_EQ(go("NEXTMONTH"), 202801);
}

}  // namespace
}  // namespace quillet
