#include <gtest/gtest.h>

#include "schedule/NotificationPlacement.h"

namespace quillet {
namespace {

TEST(NotificationPlacement, CascadeStackAndSlideSteps) {
  NotificationCounters counters;
  struct Centred {
    Size screen;
    Point first, second, third, eleventh;
  };
  const Centred screens[] = {
      {{1024, 768}, {412, 314}, {422, 324}, {432, 334}, {412, 314}},
      {{1280, 1024}, {520, 412}, {532, 424}, {544, 436}, {520, 412}},
  };
  for (const Centred& s : screens) {
    Point at[11];
    for (Point& p : at) p = CentredPopupPosition(s.screen, counters.NextCascade());
    EXPECT_EQ(at[0], s.first);
    EXPECT_EQ(at[1], s.second);
    EXPECT_EQ(at[2], s.third);
    EXPECT_EQ(at[10], s.eleventh);
    counters = NotificationCounters();
  }

  // A 1024 × 768 screen with a 40-pixel taskbar at the bottom; 252 × 140 slides, five to a column.
  const Rect workArea{0, 0, 1024, 728};
  const Size slide{252, 140};
  struct Stacked {
    int index;
    SlidePlace place;
  };
  const Stacked stack[] = {
      {0, {1028, 588}},  // resting at x 776, flush with the taskbar's top
      {1, {1028, 458}},  // 10 pixels over the one below
      {2, {1028, 328}},
      {5, {776, 588}},  // the next column, to the left
      {-1, {1028, 588}},
  };
  for (const Stacked& s : stack) {
    const SlidePlace place = SlidePosition(workArea, slide, s.index);
    EXPECT_EQ(place.restRight, s.place.restRight) << s.index;
    EXPECT_EQ(place.y, s.place.y) << s.index;
  }
  EXPECT_EQ(SlidePosition(workArea, {252, 0}, 3).restRight, 1028 - 3 * 252);  // no height: one a column
  EXPECT_EQ(SlidePosition({0, 0, 1024, 100}, slide, 1).restRight, 1028 - 252);  // taller than the area

  EXPECT_EQ(counters.NextStacking(), 0);
  EXPECT_EQ(counters.NextStacking(), 1);
  counters.ResetStacking();
  EXPECT_EQ(counters.NextStacking(), 0);

  EXPECT_EQ(SlideStepMilliseconds(252), 14);
  EXPECT_EQ(SlideStepMilliseconds(4), 700);
  EXPECT_EQ(SlideStepMilliseconds(0), 700);
  EXPECT_EQ(SlideStepMilliseconds(10000), 1);
}

}  // namespace
}  // namespace quillet
