// Which primitives a repaint of areas paints again, and where a new segment reaches.
#include <gtest/gtest.h>

#include "support/kit.h"
#include "ui/repaint_reach.h"

namespace {

using kit::PrintTo;
using K = ui::Primitive::Kind;

struct Row {
    const char* name;
    ui::Primitive primitive;
    ui::PixelRect area;  // the one area repainted
    bool reached;
};

ui::Primitive make(K kind, ui::PixelRect clip, ui::PixelRect rect, double x1 = 0, double y1 = 0,
                   double x2 = 0, double y2 = 0, double width = 0) {
    ui::Primitive p;
    p.kind = kind;
    p.clip = clip;
    p.rect = rect;
    p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
    p.width = width;
    return p;
}

const ui::PixelRect all{0, 0, 100, 100};

const Row rows[] = {
    {"FillUnderTheArea", make(K::Fill, all, {10, 10, 20, 20}), {25, 25, 10, 10}, true},
    {"FillBesideTheArea", make(K::Fill, all, {10, 10, 20, 20}), {30, 10, 10, 10}, false},
    {"FillClippedAwayFromTheArea", make(K::Fill, {0, 0, 20, 20}, all), {50, 50, 5, 5}, false},
    {"TextReachesItsWholeClip", make(K::Text, {0, 0, 60, 20}, {}), {55, 15, 2, 2}, true},
    {"TextOutsideItsClip", make(K::Text, {0, 0, 60, 20}, {}), {55, 25, 2, 2}, false},
    {"LineReachesItsPenPastItsEnds",
     make(K::Line, all, {}, 10, 10, 40, 10, 3),
     {42, 8, 1, 1},
     true},
    {"LineBeyondItsPen", make(K::Line, all, {}, 10, 10, 40, 10, 3), {44, 8, 1, 1}, false},
};

class RepaintReach : public ::testing::TestWithParam<Row> {};

TEST_P(RepaintReach, PaintsOnlyWhatTouchesAnArea) {
    const Row& row = GetParam();
    EXPECT_EQ(ui::reaches(row.primitive, {false, {row.area}}), row.reached);
    EXPECT_TRUE(ui::reaches(row.primitive, {}));
}

INSTANTIATE_TEST_SUITE_P(Rows, RepaintReach, ::testing::ValuesIn(rows), kit::byName);

// Twips are 15 to a pixel; the pen reaches half its width at the view's scale, two more for
// smoothing.
TEST(SegmentReach, AtTheDesignSizeAndProjected) {
    const ui::Stroke level{150, 150, 300, 150, 0, 2};
    EXPECT_EQ(ui::reachOf(level, {}), (ui::PixelRect{7, 7, 16, 6}));
    const ui::Stroke back{150, 0, 0, 0, 0, 1};
    EXPECT_EQ(ui::reachOf(back, {.scale = 2, .offsetX = 150, .offsetY = 300}),
              (ui::PixelRect{7, 17, 26, 6}));
}

}  // namespace
