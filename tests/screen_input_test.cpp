#include <gtest/gtest.h>
#include <ostream>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/kit.h"
#include "ui/screen.h"

namespace {

using kit::PrintTo;

using ui::ControlKind;

// clang-format off
const ui::ControlDesign controls[] = {
    {.kind = ControlKind::Label, .name = "Under", .left = 0, .top = 0, .width = 1000, .height = 1000},
    {.kind = ControlKind::Label, .name = "Over", .left = 500, .top = 500, .width = 1000,
     .height = 1000},
    {.kind = ControlKind::Label, .name = "Greyed", .left = 3000, .top = 0, .width = 500,
     .height = 500, .enabled = false},
    {.kind = ControlKind::Label, .name = "Hidden", .left = 4000, .top = 0, .width = 500,
     .height = 500, .visible = false},
    {.kind = ControlKind::Line, .name = "Edge", .x1 = 5000, .y1 = 0, .x2 = 5000, .y2 = 1000},
    {.kind = ControlKind::Frame, .name = "Box", .left = 6000, .top = 0, .width = 2000,
     .height = 2000},
    {.kind = ControlKind::OptionButton, .name = "A", .left = 100, .top = 100, .width = 1500,
     .height = 300, .value = 1, .container = "Box"},
    {.kind = ControlKind::OptionButton, .name = "B", .left = 100, .top = 500, .width = 1500,
     .height = 300, .container = "Box"},
    {.kind = ControlKind::Label, .name = "InBox", .left = 100, .top = 1000, .width = 500,
     .height = 500, .container = "Box"},
    {.kind = ControlKind::OptionButton, .name = "Elsewhere", .left = 11000, .top = 1000,
     .width = 1000, .height = 300, .value = 1},
    {.kind = ControlKind::CheckBox, .name = "Tick", .left = 11000, .top = 0, .width = 1000,
     .height = 300},
    {.kind = ControlKind::Label, .name = "Beneath", .left = 9000, .top = 1000, .width = 1000,
     .height = 500},
    {.kind = ControlKind::Button, .name = "Go", .left = 9000, .top = 0, .width = 1000,
     .height = 500},
    {.kind = ControlKind::Button, .name = "Off", .left = 9000, .top = 1000, .width = 1000,
     .height = 500, .enabled = false},
    {.kind = ControlKind::Label, .name = "Swatch", .index = 0, .caption = "first"},
};
// clang-format on

// A screen whose every label and the screen itself log what reaches them.
class ScreenInput : public ::testing::Test {
protected:
    ScreenInput() {
        for (const auto& c : screen.controls()) {
            const std::string name = c->name();
            c->onClick = [this, name](int i) {
                log.push_back(name + " click " + std::to_string(i));
            };
            c->onMouseMove = [this, name](int, const ui::MouseEvent& e) {
                log.push_back(name + " move " + std::to_string(e.x) + "," + std::to_string(e.y));
            };
            c->onMouseUp = [this, name](int, const ui::MouseEvent&) {
                log.push_back(name + " up");
            };
        }
        screen.onMouseMove = [this](const ui::MouseEvent& e) {
            log.push_back("screen move " + std::to_string(e.x) + "," + std::to_string(e.y));
        };
        screen.onMouseDown = [this](const ui::MouseEvent& e) {
            log.push_back("screen down " + std::to_string(e.button));
        };
    }
    void send(ui::PointerAction action, int button, int x, int y) {
        screen.pointer({action, button, 0, static_cast<double>(x), static_cast<double>(y)});
    }
    void press(int x, int y, int button = ui::LeftButton) {
        send(ui::PointerAction::Press, button, x, y);
    }
    void move(int x, int y, int buttons = ui::NoButton) {
        send(ui::PointerAction::Move, buttons, x, y);
    }
    void release(int x, int y, int button = ui::LeftButton) {
        send(ui::PointerAction::Release, button, x, y);
    }
    FakePlatform platform;
    ui::Screen screen{platform, "input", {.clientWidth = 12500, .clientHeight = 3000}, controls};
    std::vector<std::string> log;
};

struct Route {
    const char* name;
    int x, y;
    const char* reaches;
};

class PointerRoute : public ScreenInput, public ::testing::WithParamInterface<Route> {};

TEST_P(PointerRoute, MoveReachesTheTopmostLabelThatTakesThePointer) {
    const Route& r = GetParam();
    move(r.x, r.y);
    EXPECT_EQ(log, *r.reaches ? std::vector<std::string>{r.reaches} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Labels, PointerRoute,
    ::testing::Values(Route{"under", 100, 100, "Under move 100,100"},
                      Route{"overlapTakesTheFrontOne", 700, 700, "Over move 200,200"},
                      Route{"greyedCountsAsBareScreen", 3100, 100, "screen move 3100,100"},
                      Route{"hiddenCountsAsBareScreen", 4100, 100, "screen move 4100,100"},
                      Route{"lineLetsThrough", 5000, 500, "screen move 5000,500"},
                      Route{"bare", 2500, 2500, "screen move 2500,2500"},
                      Route{"labelInAFrame", 6200, 1100, "InBox move 100,100"},
                      Route{"frameKeepsItFromTheScreen", 7000, 1800, ""},
                      Route{"buttonLetsAHoverThrough", 9500, 200, "screen move 9500,200"},
                      Route{"disabledButtonLetsThrough", 9500, 1200, "Beneath move 500,200"}),
    kit::byName);

TEST_F(ScreenInput, PressOnALabelKeepsThePointerUntilRelease) {
    press(100, 100);
    move(2500, 2500, ui::LeftButton);
    release(2500, 2500);
    move(2500, 2500);
    // Released away from it: no click.
    EXPECT_EQ(log, (std::vector<std::string>{"Under move 2500,2500", "Under up",
                                             "screen move 2500,2500"}));
}

TEST_F(ScreenInput, ClickIsPressAndReleaseOnTheSameLabel) {
    press(100, 100);
    release(200, 200);
    press(2500, 2500);
    release(100, 100);
    // A press on the bare screen keeps the pointer there: the label hears nothing.
    EXPECT_EQ(log, (std::vector<std::string>{"Under up", "Under click -1", "screen down 1"}));
}

TEST_F(ScreenInput, NewArrayMemberIsAHiddenCopyOfTheFirstInFront) {
    screen.control("Swatch", 0).setLeft(700);
    ui::Control& second = screen.createMember("Swatch", 1);
    EXPECT_EQ(second.caption(), "first");
    EXPECT_EQ(second.left(), 700);
    EXPECT_FALSE(second.visible());
    EXPECT_EQ(screen.controls().back().get(), &second);
    second.click();
    EXPECT_EQ(log, std::vector<std::string>{"Swatch click 1"});
    EXPECT_THROW(screen.createMember("Swatch", 1), std::logic_error);
}

TEST_F(ScreenInput, FrontAndBackOfTheDrawingOrder) {
    ui::Control& under = screen.control("Under");
    screen.bringToFront(under);
    EXPECT_EQ(screen.controls().back().get(), &under);
    move(700, 700);
    screen.sendToBack(under);
    EXPECT_EQ(screen.controls().front().get(), &under);
    move(700, 700);
    EXPECT_EQ(log, (std::vector<std::string>{"Under move 700,700", "Over move 200,200"}));
    // A control of another screen is refused, not moved.
    ui::Screen other{platform, "other", {}, controls};
    EXPECT_THROW(screen.bringToFront(other.control("Under")), std::logic_error);
    EXPECT_THROW(screen.sendToBack(other.control("Under")), std::logic_error);
    EXPECT_EQ(screen.controls().front().get(), &under);
}

TEST_F(ScreenInput, ChoosingAnOptionClearsOnlyItsOwnGroupAndRaisesClick) {
    screen.control("B").setValue(1);
    EXPECT_EQ(screen.control("A").value(), 0);
    EXPECT_EQ(screen.control("Elsewhere").value(), 1);
    screen.control("B").setValue(1);  // already chosen: nothing new
    EXPECT_EQ(log, std::vector<std::string>{"B click -1"});
}

TEST_F(ScreenInput, EveryChangeOfTheTickBoxRaisesClick) {
    ui::Control& tick = screen.control("Tick");
    tick.setValue(1);
    tick.setValue(1);
    tick.setValue(0);
    EXPECT_EQ(log, (std::vector<std::string>{"Tick click -1", "Tick click -1"}));
}

TEST_F(ScreenInput, ChangesAreCountedForRedrawOnlyWhenSomethingChanges) {
    const auto before = screen.revision();
    screen.control("Under").setCaption("");
    EXPECT_EQ(screen.revision(), before);
    screen.control("Under").setCaption("new");
    EXPECT_GT(screen.revision(), before);
}

// Windowed controls: what a sequence of raw pointer events comes to.
struct Step {
    ui::PointerAction action;
    int button;
    int x, y;
};
struct Sequence {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> heard;
    int aValue, bValue, tickValue;
};

class WindowedRoute : public ScreenInput, public ::testing::WithParamInterface<Sequence> {};

TEST_P(WindowedRoute, PressAndReleaseOnTheSameControlActivatesIt) {
    for (const Step& s : GetParam().steps) send(s.action, s.button, s.x, s.y);
    EXPECT_EQ(log, GetParam().heard);
    EXPECT_EQ(screen.control("A").value(), GetParam().aValue);
    EXPECT_EQ(screen.control("B").value(), GetParam().bValue);
    EXPECT_EQ(screen.control("Tick").value(), GetParam().tickValue);
    EXPECT_EQ(screen.control("Elsewhere").value(), 1);
    for (const auto& c : screen.controls()) EXPECT_FALSE(c->pressed()) << c->name();
}

constexpr auto Press = ui::PointerAction::Press;
constexpr auto Move = ui::PointerAction::Move;
constexpr auto Release = ui::PointerAction::Release;
constexpr int L = ui::LeftButton;
constexpr int R = ui::RightButton;

INSTANTIATE_TEST_SUITE_P(
    Sequences, WindowedRoute,
    ::testing::Values(
        Sequence{"releaseInside",
                 {{Press, L, 9500, 200}, {Release, L, 9900, 400}},
                 {"Go click -1"},
                 1,
                 0,
                 0},
        Sequence{"releaseOutside",
                 {{Press, L, 9500, 200}, {Move, L, 9500, 900}, {Release, L, 9500, 900}},
                 {},
                 1,
                 0,
                 0},
        Sequence{"dragBackInBeforeRelease",
                 {{Press, L, 9500, 200},
                  {Move, L, 2500, 2500},
                  {Move, L, 9100, 100},
                  {Release, L, 9100, 100}},
                 {"Go click -1"},
                 1,
                 0,
                 0},
        Sequence{"rightButtonGoesToTheScreen",
                 {{Press, R, 9500, 200}, {Release, R, 9500, 200}},
                 {"screen down 2"},
                 1,
                 0,
                 0},
        Sequence{"pressElsewhereReleaseOnIt",
                 {{Press, L, 2500, 2500}, {Move, L, 9500, 200}, {Release, L, 9500, 200}},
                 {"screen down 1", "screen move 9500,200"},
                 1,
                 0,
                 0},
        Sequence{"optionInAFrame",
                 {{Press, L, 6200, 600}, {Release, L, 6200, 600}},
                 {"B click -1"},
                 0,
                 1,
                 0},
        Sequence{
            "chosenOptionAgain", {{Press, L, 6200, 200}, {Release, L, 6200, 200}}, {}, 1, 0, 0},
        Sequence{"tickTurnsOver",
                 {{Press, L, 11100, 100}, {Release, L, 11100, 100}},
                 {"Tick click -1"},
                 1,
                 0,
                 1},
        Sequence{"tickTwice",
                 {{Press, L, 11100, 100},
                  {Release, L, 11100, 100},
                  {Press, L, 11900, 200},
                  {Release, L, 11900, 200}},
                 {"Tick click -1", "Tick click -1"},
                 1,
                 0,
                 0},
        Sequence{"disabledLetsThroughToTheLabelBeneath",
                 {{Press, L, 9500, 1200}, {Release, L, 9500, 1200}},
                 {"Beneath up", "Beneath click -1"},
                 1,
                 0,
                 0},
        Sequence{"lostReleaseThenAFreshPress",
                 {{Press, L, 9500, 200}, {Press, L, 6200, 600}, {Release, L, 6200, 600}},
                 {"B click -1"},
                 0,
                 1,
                 0}),
    kit::byName);

TEST_F(ScreenInput, AHeldButtonShowsPressedOnlyWhileThePointerIsOverIt) {
    const ui::Control& go = screen.control("Go");
    press(9500, 200);
    EXPECT_TRUE(go.pressed());
    move(9500, 900, ui::LeftButton);
    EXPECT_FALSE(go.pressed());
    move(9500, 100, ui::LeftButton);
    EXPECT_TRUE(go.pressed());
    EXPECT_EQ(screen.toolTipAt(9500, 100), "");
}

// The view maps the window onto the design: the same control answers at its scaled place.
TEST_F(ScreenInput, PointerGoesThroughTheView) {
    screen.setProjected(true, {40000, 20000});
    const ui::View v = screen.view();
    ASSERT_GT(v.scale, 1);
    press(static_cast<int>(v.toWindowX(9500)), static_cast<int>(v.toWindowY(200)));
    release(static_cast<int>(v.toWindowX(9500)), static_cast<int>(v.toWindowY(200)));
    EXPECT_EQ(log, std::vector<std::string>{"Go click -1"});
}

}  // namespace
