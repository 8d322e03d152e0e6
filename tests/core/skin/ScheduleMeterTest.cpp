#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "calendar/DayInfoRecord.h"
#include "skin/ScheduleMeter.h"
#include "skin/SkinBuilder.h"

namespace quillet {
namespace {

using testing::DrawCall;
using testing::FixedClock;
using testing::RecordingCanvas;
using testing::TableImageLoader;

// Today's items as the window gives them: from a schedule list and anniversaries.
class ListSchedule final : public TodaySchedule {
 public:
  std::vector<TodayItem> ItemsOf(const CivilDate& date, int hour, int minute) const override {
    return TodayItems(list, &anniversaries, date, hour, minute);
  }
  void Add(const char* name, Recurrence recurrence, CivilDate date, int hour, int minute, bool allDay, bool dDay) {
    ScheduleRecord r;
    r.message = name;
    r.recurrence = recurrence;
    r.year = date.year;
    r.month = date.month;
    r.day = date.day;
    r.hour = hour;
    r.minute = minute;
    r.timeMode = allDay ? TimeMode::AllDay : TimeMode::AtTime;
    r.isDDay = dDay ? 1 : 0;
    list.Append(r);
  }

  ScheduleList list;
  std::vector<DayInfoRecord> anniversaries;
};

// One line a call: "picture[source left,top]@left,top" or "'text'@left,top width×height #RRGGBB".
std::string Trace(const std::vector<DrawCall>& calls) {
  std::string trace;
  char line[160];
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Image) {
      std::snprintf(line, sizeof line, "%s[%d,%d]@%d,%d\n", c.image.substr(c.image.rfind('\\') + 1).c_str(),
                    c.source.left, c.source.top, c.destination.left, c.destination.top);
    } else if (c.kind == DrawCall::Text) {
      std::snprintf(line, sizeof line, "'%s'@%g,%g %gx%g #%06X\n", c.text.c_str(), c.box.x, c.box.y, c.box.width,
                    c.box.height, c.style.color & 0xFFFFFFu);
    } else {
      continue;
    }
    trace += line;
  }
  return trace;
}

constexpr const char* kSkin =
    "[Schedule]\nDrawType=SCHEDULE\nHeadImage=head.png\nSpecialDayImage=special.png\n"
    "DDayRemainBodyImage=remain.png\nDDayPassBodyImage=pass.png\nDayScheduleBodyImage=day.png\n"
    "BeforeScheduleBodyImage=before.png\nAfterScheduleBodyImage=after.png\nTailImage=tail.png\n"
    "MarkFrame=mark.png\nMarkWidth=10\nMarkHeight=10\nMarkShiftX=2\nMarkShiftY=3\n";

struct Drawn {
  std::string trace;
  int contentHeight = 0;
};

// One tick of the schedule skin with the extra keys at a moment; `change` runs between the build
// and the draw and is followed by the window's refresh.
Drawn Draw(const std::string& extra, const LocalTime& now, ListSchedule& today,
           const std::function<void()>& change = nullptr) {
  TableImageLoader images;
  const std::pair<const char*, int> heights[] = {{"head.png", 20},  {"special.png", 16}, {"remain.png", 14},
                                                 {"pass.png", 13},  {"day.png", 15},     {"before.png", 17},
                                                 {"after.png", 18}, {"tail.png", 6}};
  int width = 80;
  for (const auto& [name, height] : heights) images.AddFile(std::string("C:\\S\\") + name, width += 10, height);
  images.AddFile("C:\\S\\mark.png", 30, 10);
  const FixedClock clock(now);
  SkinFile file;
  file.LoadFromText(kSkin + extra);
  SkinBuildContext context{images, clock, "C:\\S\\", std::nullopt, 1000};
  context.todaySchedule = &today;
  std::optional<BuiltSkin> skin = BuildSkin(file, context);
  EXPECT_TRUE(skin && skin->meters.size() == 1u && skin->meters[0]->type() == MeterType::Schedule);
  if (!skin || skin->meters.size() != 1u) return {};
  auto& meter = static_cast<ScheduleMeter&>(*skin->meters[0]);
  if (change) {
    change();
    meter.Refresh();
  }
  RecordingCanvas canvas;
  DrawSkin(*skin, canvas);
  return {Trace(canvas.calls()), meter.ContentHeight()};
}

TEST(ScheduleMeter, DrawsEachItemOnItsRowInOrder) {
  ListSchedule today;
  today.anniversaries.push_back(DayInfoRecord{2, 7, 1, "생일"});
  today.Add("저녁", Recurrence::Daily, {}, 18, 30, false, false);
  today.Add("시험", Recurrence::OnDate, {2027, 2, 4}, 9, 0, false, true);
  today.Add("청소", Recurrence::Daily, {}, 0, 0, true, false);
  today.Add("여행", Recurrence::OnDate, {2027, 2, 17}, 9, 0, false, true);
  today.Add("회의", Recurrence::Daily, {}, 8, 0, false, false);
  const LocalTime noon{2027, 2, 7, 12, 0};

  // Bodies are 90 (head) … 160 (tail) wide. Sorted: anniversary and all-day (order 0, list order
  // kept), the D-day ahead, the passed one, then by time. Times sit after the mark (2 + 10 + 4),
  // names after room for "00:00" in 9 points (30 + 6).
  const Drawn drawn = Draw("", noon, today);
  EXPECT_EQ(drawn.trace,
            "head.png[0,0]@0,0\n'2월 7일 (음력 1/1 )'@0,0 90x20 #000000\n"
            "special.png[0,0]@0,20\n'생일'@0,20 100x16 #C800C8\n"
            "day.png[0,0]@0,36\n'청소'@0,36 130x15 #C800C8\n"
            "remain.png[0,0]@0,51\n'여행 -  [ 10 ]일 남음'@30,51 110x14 #37AA55\n"
            "pass.png[0,0]@0,65\n'시험 -  [ 4 ]일 지남'@30,65 120x13 #557DA0\n"
            "before.png[0,0]@0,78\n'회의'@52,78 140x17 #000000\nmark.png[0,0]@2,81\n'08:00'@16,78 140x17 #000000\n"
            "after.png[0,0]@0,95\n'18:30'@16,95 150x18 #000000\n'저녁'@52,95 150x18 #000000\n"
            "tail.png[0,0]@0,113\n");
  EXPECT_EQ(drawn.contentHeight, 119);

  const std::string skinSet = Draw("IncludeToday=0\nBeforeTimeX=40\nBeforeScheduleX=\"70\"\n", noon, today).trace;
  EXPECT_NE(skinSet.find("'시험 -  [ 3 ]일 지남'@30,65"), std::string::npos) << skinSet;
  EXPECT_NE(skinSet.find("'회의'@70,78 140x17 #000000\nmark.png[0,0]@2,81\n'08:00'@40,78"), std::string::npos)
      << skinSet;
}

TEST(ScheduleMeter, HeadOfTheLunarDateAndTheDayWithoutItems) {
  struct Case {
    LocalTime now;
    const char* head;
  };
  const Case cases[] = {
      {{2028, 7, 7, 9, 0}, "7월 7일 (음력 5/15 윤달)"},
      {{2050, 6, 1, 9, 0}, "6월 1일 (음력 / )"},  // beyond the lunar table
  };
  for (const Case& c : cases) {
    ListSchedule nothing;
    const Drawn drawn = Draw("", c.now, nothing);
    EXPECT_EQ(drawn.trace, std::string("head.png[0,0]@0,0\n'") + c.head +
                               "'@0,0 90x20 #000000\nday.png[0,0]@0,20\n'일정이 없습니다.'@0,20 130x15 #C800C8\n"
                               "tail.png[0,0]@0,35\n");
    EXPECT_EQ(drawn.contentHeight, 41);
  }

  // A refresh asks again: a schedule added after the build takes the place of NoInfoText. A missing
  // picture takes no room.
  ListSchedule later;
  const Drawn drawn = Draw("HeadImage=none.png\n", {2027, 2, 7, 12, 0}, later,
                           [&] { later.Add("회의", Recurrence::Daily, {}, 8, 0, false, false); });
  EXPECT_EQ(drawn.trace,
            "'2월 7일 (음력 1/1 )'@0,0 0x0 #000000\nbefore.png[0,0]@0,0\n'회의'@52,0 140x17 #000000\n"
            "mark.png[0,0]@2,3\n'08:00'@16,0 140x17 #000000\ntail.png[0,0]@0,17\n");
  EXPECT_EQ(drawn.contentHeight, 23);
}

}  // namespace
}  // namespace quillet
