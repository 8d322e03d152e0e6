#include "skin/CalendarMeter.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

#include "calendar/MonthDays.h"
#include "geometry/Saturate.h"
#include "ports/Clock.h"
#include "skin/Meters.h"
#include "skin/SkinFile.h"
#include "skin/SkinWords.h"
#include "text/Numbers.h"

namespace quillet {

namespace {

constexpr long long kFirstMonthIndex = kFirstCalendarYear * 12LL;
constexpr long long kLastMonthIndex = kLastCalendarYear * 12LL + 11;
constexpr Argb kHaloFree = 0xFF000000;  // "transparent": black with a halo
constexpr int kPeriodFrames = 3;

struct Shift {
  long long x = 0;
  long long y = 0;
};

Shift ReadShift(const SkinSection& section, const char* xKey, const char* yKey) {
  return Shift{section.Int(xKey, 0), section.Int(yKey, 0)};
}

// "string read as integer": quotes go, then atoi.
int StringInt(const SkinSection& section, const char* key, const char* fallback) {
  return ParseIntLikeAtoi(section.String(key, fallback));
}

std::string ColorText(Argb color) {
  char text[32];
  std::snprintf(text, sizeof text, "%u,%u,%u,%u", (color >> 16) & 0xFFu, (color >> 8) & 0xFFu, color & 0xFFu,
                color >> 24);
  return text;
}

using ChildKeys = std::initializer_list<std::pair<const char*, std::string>>;

void ConfigureChild(Meter& child, ChildKeys keys, MeterContext& context) {
  SkinSection section("CALENDAR");
  for (const auto& [key, value] : keys) section.Set(key, value);
  child.Configure(section, context);
}

void DrawAt(Meter& child, long long x, long long y, Canvas& canvas) {
  child.MoveTo(Saturate(x), Saturate(y));
  child.Draw(canvas);
}

}  // namespace

std::optional<CalendarNavigation> CalendarNavigationOf(std::string_view command) {
  if (EqualsIgnoringCase(command, "PREVMONTH")) return CalendarNavigation::PreviousMonth;
  if (EqualsIgnoringCase(command, "NEXTMONTH")) return CalendarNavigation::NextMonth;
  if (EqualsIgnoringCase(command, "PREVYEAR")) return CalendarNavigation::PreviousYear;
  if (EqualsIgnoringCase(command, "NEXTYEAR")) return CalendarNavigation::NextYear;
  if (EqualsIgnoringCase(command, "RESETMONTH")) return CalendarNavigation::Reset;
  return std::nullopt;
}

// The children are scratch meters: the draw places, numbers and frames them for every cell.
struct CalendarMeter::Parts {
  NumImageMeter sunday, saturday, weekday;
  ImageMeter todayMark, dayBackground;
  FrameImageMeter info, period;
  NumImageMeter year;
  FrameImageMeter month;
  StringMeter text;
  StringMeter halo;  // the text in the inverse colour, when the colour is not fixed

  const Clock* clock = nullptr;
  const CalendarDays* days = nullptr;

  int spaceW = 0, spaceH = 0, dayW = 0, dayH = 0;
  int daysOfLine = 7;
  bool weekdayStart = true;
  int offset = 0;
  long long navigation = 0;
  Shift markShift, backgroundShift, infoShift, infoNextShift, periodShift, textShift;
  bool dayText = false;
  bool colorFixed = false;

  CivilDate today;
  int shownYear = kFirstCalendarYear;
  int shownMonth = 1;
  int daysInMonth = 31;
  int firstWeekday = 1;  // 1 Sunday … 7 Saturday
};

CalendarMeter::CalendarMeter() : Meter(MeterType::Calendar), parts_(std::make_unique<Parts>()) {}

CalendarMeter::~CalendarMeter() = default;

void CalendarMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  parts_ = std::make_unique<Parts>();
  Parts& p = *parts_;
  p.clock = context.clock;
  p.days = context.calendarDays;

  p.spaceW = section.Int("SPACE_W", 0);
  p.spaceH = section.Int("SPACE_H", 0);
  p.dayW = StringInt(section, "DAY_W", "0");
  p.dayH = StringInt(section, "DAY_H", "0");
  p.daysOfLine = std::max(section.Int("DaysOfLine", 7), 1);
  p.weekdayStart = section.Bool("WeekDayStartX", p.daysOfLine == 7);
  p.offset = section.Int("Offset", 0);
  p.markShift = ReadShift(section, "MarkShiftX", "MarkShiftY");
  p.backgroundShift = ReadShift(section, "DayBackgroundShiftX", "DayBackgroundShiftY");
  p.infoShift = ReadShift(section, "InfoShiftX", "InfoShiftY");
  p.infoNextShift = ReadShift(section, "InfoNextShiftX", "InfoNextShiftY");
  p.periodShift = ReadShift(section, "PeriodShiftX", "PeriodShiftY");
  p.textShift = ReadShift(section, "InfoTextShiftX", "InfoTextShiftY");
  p.dayText = section.Bool("DayInfoText", false);

  const std::string dayW = section.String("DAY_W", "0");
  const std::string dayH = section.String("DAY_H", "0");
  ConfigureChild(p.sunday, {{"ImageName", section.String("SunImageName", "")}, {"W", dayW}, {"H", dayH}}, context);
  ConfigureChild(p.saturday, {{"ImageName", section.String("SatImageName", "")}, {"W", dayW}, {"H", dayH}}, context);
  ConfigureChild(p.weekday, {{"ImageName", section.String("NormalImageName", "")}, {"W", dayW}, {"H", dayH}},
                 context);
  ConfigureChild(p.todayMark,
                 {{"ImageName", section.String("TodayMarkImage", "")},
                  {"W", section.String("MarkW", "0")},
                  {"H", section.String("MarkH", "0")}},
                 context);
  ConfigureChild(p.dayBackground,
                 {{"ImageName", section.String("DayBackgroundImage", "")},
                  {"W", section.String("DayBackgroundW", "0")},
                  {"H", section.String("DayBackgroundH", "0")}},
                 context);
  ConfigureChild(p.info,
                 {{"ImageName", section.String("DayInfoFrame", "")},
                  {"W", section.String("InfoW", "0")},
                  {"H", section.String("InfoH", "0")}},
                 context);
  ConfigureChild(p.period,
                 {{"ImageName", section.String("PeriodFrame", "")},
                  {"W", section.String("PeriodW", "0")},
                  {"H", section.String("PeriodH", "0")}},
                 context);
  ConfigureChild(p.year,
                 {{"ImageName", section.String("YearImageName", "")},
                  {"W", section.String("YEAR_W", "0")},
                  {"H", section.String("YEAR_H", "0")},
                  {"X", section.String("YEAR_X", "0")},
                  {"Y", section.String("YEAR_Y", "0")}},
                 context);
  ConfigureChild(p.month,
                 {{"ImageName", section.String("MonthFrameImage", "")},
                  {"VerticalFrame", section.String("MonthFrameType", "1")},
                  {"W", section.String("MONTH_W", "1")},
                  {"H", section.String("MONTH_H", "1")},
                  {"X", section.String("MONTH_X", "0")},
                  {"Y", section.String("MONTH_Y", "0")}},
                 context);

  std::string color = section.String("FontColor", "transparent");
  p.colorFixed = !EqualsIgnoringCase(color, "transparent");
  if (!p.colorFixed) color = ColorText(kHaloFree);
  const std::string textW = section.String("InfoTextW", "0");
  const std::string textH = section.String("InfoTextH", "0");
  const std::string fontSize = section.String("FontSize", "10");
  const std::string align = section.String("DayInfoTextStringAlign", "CENTER");
  const std::string verticalAlign = section.String("DayInfoTextStringVAlign", "CENTER");
  const auto configureText = [&](StringMeter& meter, const std::string& textColor) {
    ConfigureChild(meter,
                   {{"W", textW},
                    {"H", textH},
                    {"FontColor", textColor},
                    {"FontSize", fontSize},
                    {"StringAlign", align},
                    {"StringVAlign", verticalAlign}},
                   context);
  };
  configureText(p.text, color);
  configureText(p.halo, ColorText(kHaloFree ^ 0x00FFFFFFu));

  UpdateUnbound();
}

void CalendarMeter::UpdateFrom(const Measure&) { UpdateUnbound(); }

void CalendarMeter::UpdateUnbound() {
  Parts& p = *parts_;
  if (p.clock) {
    const LocalTime now = p.clock->Now();
    p.today = CivilDate{now.year, now.month, now.day};
  }
  Refresh();
}

void CalendarMeter::Refresh() {
  Parts& p = *parts_;
  const long long base = p.today.year * 12LL + (p.today.month - 1) + p.offset;
  // Held here rather than only when shown, so that stepping back from an end moves at once.
  p.navigation = std::clamp(p.navigation, kFirstMonthIndex - base, kLastMonthIndex - base);
  const long long m = base + p.navigation;
  p.shownYear = static_cast<int>(m / 12);
  p.shownMonth = static_cast<int>(m % 12) + 1;
  p.daysInMonth = DaysInMonth(p.shownYear, p.shownMonth);
  p.firstWeekday = WeekdayOf(CivilDate{p.shownYear, p.shownMonth, 1}) + 1;
  p.year.SetNumber(p.shownYear);
  p.month.SetFrame(p.shownMonth - 1);
}

void CalendarMeter::Navigate(CalendarNavigation navigation) {
  Parts& p = *parts_;
  switch (navigation) {
    case CalendarNavigation::PreviousMonth: p.navigation -= 1; break;
    case CalendarNavigation::NextMonth: p.navigation += 1; break;
    case CalendarNavigation::PreviousYear: p.navigation -= 12; break;
    case CalendarNavigation::NextYear: p.navigation += 12; break;
    case CalendarNavigation::Reset: p.navigation = 0; break;
  }
  Refresh();
}

int CalendarMeter::ShownYear() const { return parts_->shownYear; }

int CalendarMeter::ShownMonth() const { return parts_->shownMonth; }

template <typename Visit>
void CalendarMeter::WalkCells(Visit visit) const {
  const Parts& p = *parts_;
  const long long stepX = p.spaceW + 2LL * p.dayW;
  const long long stepY = static_cast<long long>(p.dayH) + p.spaceH;
  const long long w = p.firstWeekday;
  const long long x0 = x_;
  long long x = x0;
  long long y = y_;
  long long phase = 1 - w;
  if (p.weekdayStart) {
    x = x0 + (w - 1) * stepX;
    phase = 0;
  }
  for (int d = 1; d <= p.daysInMonth; ++d) {
    if (!visit(d, x, y)) return;
    if ((d + phase + w - 1) % p.daysOfLine != 0) {
      x += stepX;
    } else {
      x = x0;
      y += stepY;
    }
  }
}

CalendarCell CalendarMeter::CellFor(int day, long long x, long long y) const {
  const Parts& p = *parts_;
  return CalendarCell{CivilDate{p.shownYear, p.shownMonth, day},
                      RectAt(Saturate(x), Saturate(y), Saturate(2LL * p.dayW), p.dayH)};
}

std::optional<CalendarCell> CalendarMeter::CellAt(int px, int py) const {
  const Parts& p = *parts_;
  std::optional<CalendarCell> found;
  WalkCells([&](int d, long long x, long long y) {
    const bool inside = x - p.spaceW / 2 < px && px < x + 2LL * p.dayW + p.spaceW / 2 && y - p.spaceH / 2 < py &&
                        py < y + p.dayH + p.spaceH / 2;
    if (inside) found = CellFor(d, x, y);
    return !inside;
  });
  return found;
}

std::optional<CalendarCell> CalendarMeter::CellOf(int day) const {
  std::optional<CalendarCell> found;
  WalkCells([&](int d, long long x, long long y) {
    if (d == day) found = CellFor(d, x, y);
    return d < day;
  });
  return found;
}

void CalendarMeter::DrawType(Canvas& canvas) const {
  Parts& p = *parts_;
  p.year.Draw(canvas);
  p.month.Draw(canvas);
  CalendarMonth data;
  if (p.days) data = p.days->DaysOf(p.shownYear, p.shownMonth);
  const bool todayShown = p.today.year == p.shownYear && p.today.month == p.shownMonth;

  WalkCells([&](int d, long long x, long long y) {
    const CalendarDay& day = data.days[static_cast<std::size_t>(d)];
    DrawAt(p.dayBackground, x + p.backgroundShift.x, y + p.backgroundShift.y, canvas);
    if (todayShown && d == p.today.day) DrawAt(p.todayMark, x + p.markShift.x, y + p.markShift.y, canvas);

    const int weekday = (p.firstWeekday + d - 2) % 7;
    NumImageMeter& digits = weekday == 0 || day.holiday ? p.sunday : weekday == 6 ? p.saturday : p.weekday;
    // One digit sits in the middle of the two-digit cell.
    digits.MoveTo(Saturate(d >= 10 ? x : x + p.dayW / 2), Saturate(y));
    digits.SetNumber(d);

    if (day.hasSomething) {
      long long n = 0;
      for (int mark = 1; mark <= kAnniversaryMarkCount; ++mark) {
        if (!day.marks[static_cast<std::size_t>(mark)]) continue;
        p.info.SetFrame(mark - 1);
        DrawAt(p.info, x + p.infoShift.x + n * p.infoNextShift.x, y + p.infoShift.y + n * p.infoNextShift.y, canvas);
        ++n;
      }
    }
    for (int frame = 0; frame < kPeriodFrames; ++frame) {
      if ((day.periodBits & (1 << frame)) == 0) continue;
      p.period.SetFrame(frame);
      DrawAt(p.period, x + p.periodShift.x, y + p.periodShift.y, canvas);
    }
    digits.Draw(canvas);

    if (p.dayText && day.hasSomething && !day.text.empty()) {
      const long long tx = x + p.dayW + p.textShift.x;
      const long long ty = y + p.textShift.y;
      if (!p.colorFixed) {
        p.halo.SetText(day.text);
        DrawAt(p.halo, tx + 1, ty, canvas);
        DrawAt(p.halo, tx, ty + 1, canvas);
      }
      p.text.SetText(day.text);
      DrawAt(p.text, tx, ty, canvas);
    }
    return true;
  });
}

}  // namespace quillet
