#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "ui/screen.h"

namespace {

using ui::ControlKind;

const ui::ControlDesign controls[] = {
    {.kind = ControlKind::PictureBox, .name = "Board", .left = 1000, .top = 1000, .width = 5000,
     .height = 5000},
    {.name = "Mark", .left = 300, .top = 600, .width = 210, .height = 374, .container = "Board"},
    {.kind = ControlKind::Line, .name = "Edge", .x1 = 100, .y1 = 200, .x2 = 1100, .y2 = 200,
     .borderWidth = 3},
    {.name = "Hidden", .visible = false},
    {.kind = ControlKind::CheckBox, .name = "Tick"},
};

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

TEST_F(ScreenDamage, LineAreaTakesInItsPen) {
    ui::Control& edge = screen.control("Edge");
    edge.setEnds(100, 200, 1100, 900);
    ASSERT_EQ(screen.damaged().size(), 2U);
    EXPECT_EQ(screen.damaged()[0].container, nullptr);
    // Two pixels of pen and one of smoothing beyond the ends, all round.
    EXPECT_EQ(screen.damaged()[1].area, (ui::TwipRect{55, 155, 1090, 790}));
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
