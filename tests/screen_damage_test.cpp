#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/fake_platform.h"
#include "ui/screen.h"

namespace {

using ui::ControlKind;

// clang-format off
const ui::ControlDesign controls[] = {
    {.kind = ControlKind::PictureBox, .name = "Board", .left = 1000, .top = 1000, .width = 5000,
     .height = 5000},
    {.name = "Mark", .left = 300, .top = 600, .width = 210, .height = 374, .container = "Board"},
    {.kind = ControlKind::Line, .name = "Edge", .x1 = 100, .y1 = 200, .x2 = 1100, .y2 = 200,
     .borderWidth = 3},
    {.name = "Hidden", .visible = false},
    {.kind = ControlKind::CheckBox, .name = "Tick"},
};
// clang-format on

// What a screen asks the platform to draw again after each kind of change.
class ScreenDamage : public ::testing::Test {
protected:
    ScreenDamage() { screen.markDrawn(); }
    FakePlatform platform;
    ui::Screen screen{platform, "damage", {}, controls};
};

TEST_F(ScreenDamage, MovedLabelReportsWhereItWasAndWhereItIsInItsContainer) {
    ui::Control& mark = screen.control("Mark");
    const ui::TwipRect before = mark.drawnArea();
    mark.setLeft(2300);
    ASSERT_FALSE(screen.wholeChanged());
    ASSERT_EQ(screen.damaged().size(), 2U);
    EXPECT_EQ(screen.damaged()[0].container, &screen.control("Board"));
    EXPECT_EQ(screen.damaged()[0].area, before);
    EXPECT_EQ(screen.damaged()[1].area, mark.drawnArea());
    // One pixel of smoothing round the box.
    EXPECT_EQ(mark.drawnArea(), (ui::TwipRect{2285, 585, 240, 404}));
}

// A new name for a screen reader draws nothing again, on a drawn control or a windowed one,
// yet tells a backend that this control, and only it, has news.
TEST_F(ScreenDamage, NameOrRoleChangesDrawNothingButMoveTheRevisions) {
    for (const char* name : {"Edge", "Tick"}) {
        ui::Control& c = screen.control(name);
        const ui::Control& other = screen.control("Mark");
        const auto screenBefore = screen.revision(), before = c.revision(),
                   otherBefore = other.revision();
        c.setAccessibleName("edge 1 to 2, chosen");
        c.setRole(ui::Role::Button);
        EXPECT_FALSE(screen.wholeChanged()) << name;
        EXPECT_TRUE(screen.damaged().empty()) << name;
        EXPECT_GT(screen.revision(), screenBefore) << name;
        EXPECT_EQ(c.revision(), before + 2) << name;
        EXPECT_EQ(other.revision(), otherBefore) << name;
    }
}

// A long slanting line repaints a chain of small boxes along it, each taking in the pen, and
// far less than the box around the whole line.
TEST_F(ScreenDamage, SlantingLineReportsSmallBoxesCoveringIt) {
    ui::Control& edge = screen.control("Edge");
    screen.markDrawn();
    edge.setEnds(100, 200, 6100, 4200);
    const ui::TwipRect whole = edge.drawnArea();
    // The boxes where the line was, and where it is now.
    std::vector<ui::TwipRect> boxes;
    long covered = 0;
    for (const auto& d : screen.damaged()) {
        EXPECT_EQ(d.container, nullptr);
        boxes.push_back(d.area);
        covered += long(d.area.width) * d.area.height;
    }
    ASSERT_GT(boxes.size(), 5U);
    for (int i = 0; i <= 100; ++i) {
        const double x = 100 + 60.0 * i, y = 200 + 40.0 * i;
        // Two pixels of pen either side of the line stay inside some box.
        const bool inside = std::any_of(boxes.begin(), boxes.end(), [&](const ui::TwipRect& b) {
            return b.left <= x - 30 && x + 30 <= b.right() && b.top <= y - 30 &&
                   y + 30 <= b.bottom();
        });
        EXPECT_TRUE(inside) << x << "," << y;
    }
    EXPECT_LT(covered * 4, long(whole.width) * whole.height);
}

TEST_F(ScreenDamage, HiddenControlDrawsNothing) {
    screen.control("Hidden").setCaption("unseen");
    EXPECT_FALSE(screen.wholeChanged());
    EXPECT_TRUE(screen.damaged().empty());
}

TEST_F(ScreenDamage, WindowedControlOrScreenChangeRedrawsTheWhole) {
    screen.control("Tick").setValue(1);
    EXPECT_TRUE(screen.wholeChanged());
    screen.markDrawn();
    screen.setBackColour(ui::rgb(1, 2, 3));
    EXPECT_TRUE(screen.wholeChanged());
    EXPECT_TRUE(screen.damaged().empty());
}

TEST_F(ScreenDamage, ManyChangesBecomeOneWholeRedraw) {
    for (int i = 0; i < 200; ++i) screen.control("Mark").setLeft(i);
    EXPECT_TRUE(screen.wholeChanged());
    EXPECT_TRUE(screen.damaged().empty());
    screen.markDrawn();
    EXPECT_FALSE(screen.wholeChanged());
}

}  // namespace
