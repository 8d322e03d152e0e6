#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

#include "memo/Docking.h"
#include "memo/Placement.h"

namespace quillet {

void PrintTo(const Rect& r, std::ostream* os) {
  *os << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}
void PrintTo(const Point& p, std::ostream* os) { *os << '(' << p.x << ',' << p.y << ')'; }

namespace {

constexpr int kDistance = 10;
const Rect kNeighbour{400, 400, 500, 500};

TEST(DockMoving, EachEdgeSnapsAtTheDistanceAndNotOnePixelFurther) {
  struct Row {
    const char* name;
    Rect atDistance, snapped, oneFurther;
  };
  const Row rows[] = {
      {"right to its left", {340, 420, 390, 470}, {350, 420, 400, 470}, {339, 420, 389, 470}},
      {"left to its right", {510, 420, 560, 470}, {500, 420, 550, 470}, {511, 420, 561, 470}},
      {"left to its left", {410, 420, 460, 470}, {400, 420, 450, 470}, {411, 420, 461, 470}},
      {"right to its right", {440, 420, 490, 470}, {450, 420, 500, 470}, {439, 420, 489, 470}},
      {"top to its bottom", {420, 510, 470, 560}, {420, 500, 470, 550}, {420, 511, 470, 561}},
      {"top to its top", {420, 410, 470, 460}, {420, 400, 470, 450}, {420, 411, 470, 461}},
      {"bottom to its top", {420, 340, 470, 390}, {420, 350, 470, 400}, {420, 339, 470, 389}},
      {"bottom to its bottom", {420, 440, 470, 490}, {420, 450, 470, 500}, {420, 439, 470, 489}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DockMoving(row.atDistance, {kNeighbour}, kDistance), row.snapped) << row.name;
    EXPECT_EQ(DockMoving(row.oneFurther, {kNeighbour}, kDistance), row.oneFurther) << row.name;
  }
}

struct MovingRow {
  const char* name;
  std::vector<Rect> candidates;
  Rect proposed, expected;
};

void ExpectMoving(const std::vector<MovingRow>& rows) {
  for (const MovingRow& row : rows) {
    EXPECT_EQ(DockMoving(row.proposed, row.candidates, kDistance), row.expected) << row.name;
  }
}

TEST(DockMoving, EveryKindOfCandidate) {
  // 1024 × 768 with a 40-pixel taskbar at the bottom.
  const Rect memo{600, 100, 780, 250}, clock{100, 500, 250, 650}, screen{0, 0, 1022, 768}, workArea{0, 0, 1022, 726};
  const std::vector<Rect> scene{memo, clock, screen, workArea};
  ExpectMoving({
      {"against a memo", scene, {415, 130, 595, 280}, {420, 130, 600, 280}},
      {"under a widget", scene, {130, 657, 230, 707}, {130, 650, 230, 700}},
      {"into the screen's corner", scene, {5, -4, 105, 96}, {0, 0, 100, 100}},
      {"two pixels inside the screen's right", scene, {915, 300, 1015, 400}, {922, 300, 1022, 400}},
      {"onto the taskbar's top", scene, {300, 620, 400, 720}, {300, 626, 400, 726}},
  });
}

TEST(DockMoving, EarlierCandidatesWinTiesAndNearerOnesWinOtherwise) {
  const Rect memo{110, 300, 210, 400}, screen{0, 0, 1022, 768};
  const Rect rightAt8{308, 100, 408, 200}, leftAt3{97, 100, 197, 200};
  ExpectMoving({
      {"memo before screen", {memo, screen}, {5, 300, 105, 400}, {10, 300, 110, 400}},
      {"screen before memo", {screen, memo}, {5, 300, 105, 400}, {0, 300, 100, 400}},
      {"nearer, though later", {rightAt8, leftAt3}, {200, 100, 300, 200}, {197, 100, 297, 200}},
  });
}

TEST(DockMoving, SpansMeetWhenTouchingOrOnceShifted) {
  ExpectMoving({
      {"touching edges are beside each other", {kNeighbour}, {500, 505, 550, 555}, {500, 500, 550, 550}},
      {"just below: the span moved up by c meets, both snap", {kNeighbour}, {505, 508, 555, 558}, {500, 500, 550, 550}},
      {"just above: moving up never meets, nothing snaps", {kNeighbour}, {505, 342, 555, 392}, {505, 342, 555, 392}},
      {"just left: the span moved by e meets, only the vertical snaps", {kNeighbour}, {340, 342, 390, 392},
       {340, 350, 390, 400}},
  });
}

TEST(DockMoving, SnappingAboveOrBelowRetriesTheSideEdges) {
  // The first candidate pulls the vertical shift in, so the neighbour's spans no longer meet and
  // only the retries after "top to its bottom" and "bottom to its top" line the sides up.
  ExpectMoving({
      {"below, left edges", {{380, 495, 480, 600}, kNeighbour}, {403, 504, 453, 554}, {400, 500, 450, 550}},
      {"above, right edges", {{420, 300, 520, 405}, kNeighbour}, {453, 346, 503, 396}, {450, 350, 500, 400}},
  });
}

TEST(DockSizing, DraggedEdgesSnapToFacingOrSameEdges) {
  struct Row {
    const char* name;
    SizingEdge edge;
    std::vector<Rect> candidates;
    Rect proposed, expected;
  };
  const std::vector<Rect> one{kNeighbour};
  const Rect nearer{300, 400, 497, 500}, tie{300, 400, 512, 500};
  const Row rows[] = {
      {"left to its right", SizingEdge::Left, one, {509, 420, 600, 470}, {500, 420, 600, 470}},
      {"left, 10 away", SizingEdge::Left, one, {510, 420, 600, 470}, {510, 420, 600, 470}},
      {"left to its left, nothing else moves", SizingEdge::Left, one, {405, 405, 495, 495}, {400, 405, 495, 495}},
      {"right to its left", SizingEdge::Right, one, {300, 420, 392, 470}, {300, 420, 400, 470}},
      {"right to its right", SizingEdge::Right, one, {300, 420, 507, 470}, {300, 420, 500, 470}},
      {"top to its bottom", SizingEdge::Top, one, {420, 508, 470, 600}, {420, 500, 470, 600}},
      {"top to its top", SizingEdge::Top, one, {420, 395, 470, 600}, {420, 400, 470, 600}},
      {"bottom to its top", SizingEdge::Bottom, one, {420, 300, 470, 393}, {420, 300, 470, 400}},
      {"bottom to its bottom", SizingEdge::Bottom, one, {420, 300, 470, 506}, {420, 300, 470, 500}},
      {"bottom-left corner", SizingEdge::BottomLeft, one, {405, 300, 600, 495}, {400, 300, 600, 500}},
      {"bottom-right corner", SizingEdge::BottomRight, one, {300, 300, 495, 505}, {300, 300, 500, 500}},
      {"top-left corner", SizingEdge::TopLeft, one, {405, 405, 600, 600}, {405, 405, 600, 600}},
      {"top-right corner", SizingEdge::TopRight, one, {300, 405, 495, 600}, {300, 405, 495, 600}},
      {"spans apart", SizingEdge::Left, one, {509, 520, 600, 600}, {509, 520, 600, 600}},
      {"spans touching", SizingEdge::Left, one, {509, 500, 600, 600}, {500, 500, 600, 600}},
      {"never inside out", SizingEdge::Left, one, {497, 420, 499, 470}, {497, 420, 499, 470}},
      {"nearest wins", SizingEdge::Left, {nearer, kNeighbour}, {506, 420, 600, 470}, {500, 420, 600, 470}},
      {"tie: first wins", SizingEdge::Left, {kNeighbour, tie}, {506, 420, 600, 470}, {500, 420, 600, 470}},
      {"tie: first wins, reversed", SizingEdge::Left, {tie, kNeighbour}, {506, 420, 600, 470}, {512, 420, 600, 470}},
      {"tie in one: facing edge", SizingEdge::Left, {{495, 420, 505, 470}}, {500, 420, 600, 470}, {505, 420, 600, 470}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DockSizing(row.proposed, row.edge, row.candidates, kDistance), row.expected) << row.name;
  }
}

TEST(CheckPanelPosition, KeptWhenCentredOnAWorkAreaElseBesideTheNewMemo) {
  struct Row {
    const char* name;
    Point saved;
    std::vector<Rect> workAreas;
    Point expected;
  };
  const std::vector<Rect> two{{0, 0, 1920, 1040}, {1920, -200, 3200, 824}};
  const Rect newMemo{1720, 30, 1920, 230};
  const Point beside{1720, 30};
  const Row rows[] = {
      {"on the first", {100, 100}, two, {100, 100}},
      {"on the second", {2500, -100}, two, {2500, -100}},
      {"half off, centre on", {-90, 900}, two, {-90, 900}},
      {"centre on the left edge", {-100, 100}, two, {-100, 100}},
      {"centre a pixel left of it", {-101, 100}, two, beside},
      {"centre on the right edge", {3100, 0}, two, beside},
      {"below the second", {2500, 760}, two, beside},
      {"no work area", {100, 100}, {}, beside},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CheckPanelPosition(row.saved, Size{200, 150}, row.workAreas, newMemo), row.expected) << row.name;
  }
}

TEST(Docking, ExtremeValuesNeverOverflow) {
  EXPECT_EQ(DockMoving({-10, 0, INT_MAX, 10}, {{0, 0, 10, 10}}, kDistance), (Rect{0, 0, INT_MAX, 10}));
  EXPECT_EQ(DockMoving({0, 0, 10, 10}, {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}}, INT_MAX),
            (Rect{INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX}));
  EXPECT_EQ(DockSizing({INT_MIN, 0, 10, 10}, SizingEdge::Left, {{-5, 0, 0, 10}}, INT_MAX), (Rect{-5, 0, 10, 10}));
  EXPECT_EQ(CheckPanelPosition({INT_MAX, INT_MAX}, {200, 150}, {{0, 0, 1920, 1040}},
                               {INT_MIN, INT_MIN, INT_MIN + 100, INT_MIN + 100}),
            (Point{INT_MIN, INT_MIN}));
}

}  // namespace
}  // namespace quillet
