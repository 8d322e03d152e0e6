#include "skin/ScheduleMeter.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "geometry/Saturate.h"
#include "lunar/LunarCalendar.h"
#include "ports/Clock.h"
#include "skin/Meters.h"
#include "skin/SkinFile.h"
#include "storage/Paths.h"
#include "text/Numbers.h"

namespace quillet {

namespace {

// The rows an item can take, each with its body picture and the text of its name.
enum Row { kSpecialDay, kDDayRemain, kDDayPass, kDaySchedule, kBeforeSchedule, kAfterSchedule, kRowCount };

// Room for the mark before the time, and between the time and the name.
constexpr int kMarkGap = 4;
constexpr int kTimeGap = 6;

// The keys of one text child: Align, VAlign, X, Width and Height follow `box`; FontSize,
// StringStyle and ClipString follow `font`; colour and face are spelled out, as skins spell them.
struct TextKeys {
  const char* box;
  const char* font;
  const char* color;
  const char* face;
};

struct TextDefaults {
  const char* align;
  const char* color;
  const char* size;
  const char* style;
  const char* clip;  // nullptr: the text takes no ClipString
};

struct RowKeys {
  const char* image;
  TextKeys text;
  TextDefaults defaults;
};

// By Row.
constexpr RowKeys kRows[kRowCount] = {
    {"SpecialDayImage",
     {"SpecailDay", "SpecialDay", "SpecialDayFontColor", "SpecialDayFontFace"},
     {"CENTER", "200,0,200,255", "9", "BOLD", nullptr}},
    {"DDayRemainBodyImage",
     {"DDayRemain", "DDayRemain", "DDayRemainFontColor", "DDayRemainFontFace"},
     {"LEFTER", "55,170,85,255", "8", "NORMAL", "1"}},
    {"DDayPassBodyImage",
     {"DDayPass", "DDayPass", "DDayPassFontColor", "DDayPassFontFace"},
     {"LEFTER", "85,125,160,255", "8", "NORMAL", "1"}},
    {"DayScheduleBodyImage",
     {"DaySchedule", "DaySchedule", "DayScheduleBodyFontColor", "DayScheduleFontFace"},
     {"CENTER", "200,0,200,255", "9", "NORMAL", "0"}},
    {"BeforeScheduleBodyImage",
     {"BeforeSchedule", "BeforeSchedule", "BeforeScheduleBodyFontColor", "BeforeScheduleFontFace"},
     {"LEFT", "0,0,0,255", "9", "BOLD", "1"}},
    {"AfterScheduleBodyImage",
     {"AfterSchedule", "AfterSchedule", "AfterScheduleBodyFontColor", "AfterScheduleFontFace"},
     {"LEFT", "0,0,0,255", "9", "BOLD", "1"}},
};

constexpr TextKeys kHeadKeys{"Head", "Head", "HeadFontColor", "HeadStringFontFace"};
constexpr TextDefaults kHeadDefaults{"CENTER", "0,0,0,255", "9", "BOLD", nullptr};
constexpr TextKeys kBeforeTimeKeys{"BeforeTime", "BeforeTime", "BeforeTimeFontColor", "BeforeTimeFontFace"};
constexpr TextKeys kAfterTimeKeys{"AfterTime", "AfterTime", "AfterTimeFontColor", "AfterTimeFontFace"};
constexpr TextDefaults kTimeDefaults{"LEFT", "0,0,0,255", "9", "NORMAL", nullptr};

// A picture whose size is its own, or 0 × 0 when it cannot be loaded, so its row takes no room.
void ConfigureImage(ImageMeter& image, const std::string& name, MeterContext& context) {
  SkinSection child("SCHEDULE");
  child.Set("ImageName", name);
  child.Set("W", "0");
  child.Set("H", "0");
  image.Configure(child, context);
}

// A text child in the box of its body picture unless the skin gives one. Gives back its X, the
// anchor the draw keeps while it moves the text down to each row.
int ConfigureText(StringMeter& text, const SkinSection& section, const TextKeys& keys, const TextDefaults& defaults,
                  const std::string& defaultX, const ImageMeter& body, MeterContext& context) {
  const std::string box = keys.box;
  const std::string font = keys.font;
  SkinSection child("SCHEDULE");
  child.Set("StringAlign", section.String(box + "Align", defaults.align));
  child.Set("StringVAlign", section.String(box + "VAlign", "CENTER"));
  child.Set("X", section.String(box + "X", defaultX));
  child.Set("W", section.String(box + "Width", std::to_string(body.Width())));
  child.Set("H", section.String(box + "Height", std::to_string(body.Height())));
  child.Set("FontColor", section.String(keys.color, defaults.color));
  child.Set("FontSize", section.String(font + "FontSize", defaults.size));
  child.Set("StringStyle", section.String(font + "StringStyle", defaults.style));
  child.Set("FontFace", section.String(keys.face, "Tahoma"));
  if (defaults.clip) child.Set("ClipString", section.String(font + "ClipString", defaults.clip));
  text.Configure(child, context);
  return child.Int("X", 0);
}

void DrawAt(Meter& child, long long x, long long y, Canvas& canvas) {
  child.MoveTo(Saturate(x), Saturate(y));
  child.Draw(canvas);
}

// TodayItem's `early` is also set for all-day items and passed D-days: it is what the row choice
// calls "dated". Only a timed item can be early in the sense of a time already passed.
Row RowOf(const TodayItem& item) {
  if (item.specialDay) return kSpecialDay;
  if (item.early) {
    if (item.dayCount != 0) return kDDayPass;
    return item.timed ? kBeforeSchedule : kDaySchedule;
  }
  return item.dayCount != 0 ? kDDayRemain : kAfterSchedule;
}

// The count first: the name is the user's text and is not searched again.
std::string DDayText(const std::string& format, const std::string& name, long long count) {
  return ReplaceAll(ReplaceAll(format, "#DDAYCOUNT#", std::to_string(count)), "#DDAYNAME#", name);
}

}  // namespace

// The children are scratch meters: the draw moves each text down to its row before drawing it.
struct ScheduleMeter::Parts {
  ImageMeter head, tail;
  std::array<ImageMeter, kRowCount> bodies;
  FrameImageMeter mark;
  StringMeter headText;
  std::array<StringMeter, kRowCount> names;
  std::array<int, kRowCount> nameX{};
  StringMeter beforeTime, afterTime;
  int beforeTimeX = 0, afterTimeX = 0;

  const Clock* clock = nullptr;
  const TodaySchedule* today = nullptr;

  std::string noInfoText, noTimePrint, todayFormat, leapMonth, remainFormat, passFormat;
  bool includeToday = true;
  int markShiftX = 0, markShiftY = 0;

  std::vector<TodayItem> items;
};

ScheduleMeter::ScheduleMeter() : Meter(MeterType::Schedule), parts_(std::make_unique<Parts>()) {}

ScheduleMeter::~ScheduleMeter() = default;

void ScheduleMeter::ConfigureType(const SkinSection& section, MeterContext& context) {
  parts_ = std::make_unique<Parts>();
  Parts& p = *parts_;
  p.clock = context.clock;
  p.today = context.todaySchedule;

  p.noInfoText = section.String("NoInfoText", "일정이 없습니다.");
  p.noTimePrint = section.String("NoTimePrint", " ");
  p.todayFormat = section.String("TodayFormat", "#SOLMONTH#월 #SOLDAY#일 (음력 #LUNMONTH#/#LUNDAY# #LEAPMONTH#)");
  p.leapMonth = section.String("LeapMonth", "윤달");
  p.remainFormat = section.String("DDayRemainFormat", "#DDAYNAME# -  [ #DDAYCOUNT# ]일 남음");
  p.passFormat = section.String("DDayPassFormat", "#DDAYNAME# -  [ #DDAYCOUNT# ]일 지남");
  p.includeToday = section.Int("IncludeToday", 1) != 0;
  p.markShiftX = section.Int("MarkShiftX", 0);
  p.markShiftY = section.Int("MarkShiftY", 0);

  ConfigureImage(p.head, section.String("HeadImage", ""), context);
  ConfigureImage(p.tail, section.String("TailImage", ""), context);
  for (int row = 0; row < kRowCount; ++row) {
    ConfigureImage(p.bodies[row], section.String(kRows[row].image, ""), context);
  }
  SkinSection mark("SCHEDULE");
  mark.Set("ImageName", section.String("MarkFrame", ""));
  mark.Set("W", section.String("MarkWidth", "1"));
  mark.Set("H", section.String("MarkHeight", "1"));
  p.mark.Configure(mark, context);

  const int headX =
      ConfigureText(p.headText, section, kHeadKeys, kHeadDefaults, std::to_string(p.head.Width() / 2), p.head, context);
  p.headText.MoveTo(headX, ParseIntLikeAtoi(section.String("HeadY", "0")));

  // Skins give the time and name columns of timed rows; without them the time follows the mark and
  // the name follows room for "00:00" (about 10/3 of the font size in points, in pixels), in both
  // rows alike so that the columns line up.
  const long long timeX = static_cast<long long>(p.markShiftX) + p.mark.Width() + kMarkGap;
  const auto nameXAfter = [&](const TextKeys& time) {
    const long long size = ParseIntLikeAtoi(section.String(std::string(time.font) + "FontSize", kTimeDefaults.size));
    return std::to_string(Saturate(timeX + size * 10 / 3 + kTimeGap));
  };
  const std::string timeText = std::to_string(Saturate(timeX));
  p.beforeTimeX = ConfigureText(p.beforeTime, section, kBeforeTimeKeys, kTimeDefaults, timeText,
                                p.bodies[kBeforeSchedule], context);
  p.afterTimeX =
      ConfigureText(p.afterTime, section, kAfterTimeKeys, kTimeDefaults, timeText, p.bodies[kAfterSchedule], context);

  for (int row = 0; row < kRowCount; ++row) {
    const ImageMeter& body = p.bodies[row];
    std::string x;
    switch (row) {
      case kDDayRemain:
      case kDDayPass: x = "30"; break;
      case kBeforeSchedule: x = nameXAfter(kBeforeTimeKeys); break;
      case kAfterSchedule: x = nameXAfter(kAfterTimeKeys); break;
      default: x = std::to_string(body.Width() / 2); break;
    }
    p.nameX[row] = ConfigureText(p.names[row], section, kRows[row].text, kRows[row].defaults, x, body, context);
  }

  if (p.clock) Refresh();
}

void ScheduleMeter::Refresh() {
  Parts& p = *parts_;
  p.items.clear();
  if (!p.clock) return;
  const LocalTime now = p.clock->Now();
  const CivilDate date{now.year, now.month, now.day};
  if (p.today) p.items = p.today->ItemsOf(date, now.hour, now.minute);
  std::stable_sort(p.items.begin(), p.items.end(),
                   [](const TodayItem& a, const TodayItem& b) { return a.order < b.order; });
  if (p.items.empty()) {
    TodayItem none;
    none.name = p.noInfoText;
    none.early = true;  // dated and without a time: the day-schedule row
    p.items.push_back(std::move(none));
  }

  LunarDate lunar;
  const bool known = SolarToLunar(date.year, date.month, date.day, 0, lunar) && lunar.valid;
  std::string head = ReplaceAll(p.todayFormat, "#SOLMONTH#", std::to_string(date.month));
  head = ReplaceAll(head, "#SOLDAY#", std::to_string(date.day));
  head = ReplaceAll(head, "#LUNMONTH#", known ? std::to_string(lunar.month) : "");
  head = ReplaceAll(head, "#LUNDAY#", known ? std::to_string(lunar.day) : "");
  head = ReplaceAll(head, "#LEAPMONTH#", known && lunar.leap ? p.leapMonth : "");
  p.headText.SetText(std::move(head));
}

std::string ScheduleMeter::RowText(const TodayItem& item) const {
  const Parts& p = *parts_;
  switch (RowOf(item)) {
    case kDDayRemain: return DDayText(p.remainFormat, item.name, item.dayCount);
    case kDDayPass:
      return DDayText(p.passFormat, item.name, -static_cast<long long>(item.dayCount) + (p.includeToday ? 1 : 0));
    default: return item.name;
  }
}

std::vector<std::string> ScheduleMeter::Lines() const {
  const Parts& p = *parts_;
  std::vector<std::string> lines{p.headText.Content()};
  for (const TodayItem& item : p.items) {
    const Row row = RowOf(item);
    const bool showsTime = item.timed && (row == kBeforeSchedule || row == kAfterSchedule);
    lines.push_back((showsTime ? item.timeText + " " : "") + RowText(item));
  }
  return lines;
}

int ScheduleMeter::ContentHeight() const {
  const Parts& p = *parts_;
  long long height = static_cast<long long>(p.head.Height()) + p.tail.Height();
  for (const TodayItem& item : p.items) height += p.bodies[RowOf(item)].Height();
  return Saturate(height);
}

void ScheduleMeter::DrawType(Canvas& canvas) const {
  Parts& p = *parts_;
  DrawAt(p.head, 0, 0, canvas);
  p.headText.Draw(canvas);
  long long y = p.head.Height();
  for (const TodayItem& item : p.items) {
    const Row row = RowOf(item);
    DrawAt(p.bodies[row], 0, y, canvas);
    StringMeter& name = p.names[row];
    const std::string& time = item.timed ? item.timeText : p.noTimePrint;
    name.SetText(RowText(item));
    if (row == kAfterSchedule) {
      p.afterTime.SetText(time);
      DrawAt(p.afterTime, p.afterTimeX, y, canvas);
    }
    DrawAt(name, p.nameX[row], y, canvas);
    if (row == kBeforeSchedule) {
      DrawAt(p.mark, p.markShiftX, y + p.markShiftY, canvas);
      p.beforeTime.SetText(time);
      DrawAt(p.beforeTime, p.beforeTimeX, y, canvas);
    }
    y += p.bodies[row].Height();
  }
  DrawAt(p.tail, 0, y, canvas);
}

}  // namespace quillet
