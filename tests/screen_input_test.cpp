#include <ostream>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "ui/screen.h"

namespace {

using ui::ControlKind;

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
    {.kind = ControlKind::OptionButton, .name = "A", .value = 1, .container = "Box"},
    {.kind = ControlKind::OptionButton, .name = "B", .container = "Box"},
    {.kind = ControlKind::OptionButton, .name = "Elsewhere", .value = 1},
    {.kind = ControlKind::CheckBox, .name = "Tick"},
    {.kind = ControlKind::Label, .name = "Swatch", .index = 0, .caption = "first"},
};

// A screen whose every label and the screen itself log what reaches them.
class ScreenInput : public ::testing::Test {
protected:
    ScreenInput() {
        for (const auto& c : screen.controls()) {
            const std::string name = c->name();
            c->onClick = [this, name](int i) { log.push_back(name + " click " + std::to_string(i)); };
            c->onMouseMove = [this, name](int, const ui::MouseEvent& e) {
                log.push_back(name + " move " + std::to_string(e.x) + "," + std::to_string(e.y));
            };
            c->onMouseUp = [this, name](int, const ui::MouseEvent&) { log.push_back(name + " up"); };
        }
        screen.onMouseMove = [this](const ui::MouseEvent& e) {
            log.push_back("screen move " + std::to_string(e.x) + "," + std::to_string(e.y));
        };
    }
    FakePlatform platform;
    ui::Screen screen{platform, "input", {}, controls};
    std::vector<std::string> log;
};

struct Route {
    const char* name;
    int x, y;
    const char* reaches;
};
// Rows print as their names, so failures and ctest's list read as words.
void PrintTo(const Route& r, std::ostream* os) { *os << r.name; }

class PointerRoute : public ScreenInput, public ::testing::WithParamInterface<Route> {};

TEST_P(PointerRoute, MoveReachesTheTopmostLabelThatTakesThePointer) {
    const Route& r = GetParam();
    screen.mouseMove(nullptr, {ui::NoButton, 0, r.x, r.y});
    EXPECT_EQ(log, std::vector<std::string>{r.reaches});
}

INSTANTIATE_TEST_SUITE_P(
    Labels, PointerRoute,
    ::testing::Values(Route{"under", 100, 100, "Under move 100,100"},
                      Route{"overlapTakesTheFrontOne", 700, 700, "Over move 200,200"},
                      Route{"greyedCountsAsBareScreen", 3100, 100, "screen move 3100,100"},
                      Route{"hiddenCountsAsBareScreen", 4100, 100, "screen move 4100,100"},
                      Route{"lineLetsThrough", 5000, 500, "screen move 5000,500"},
                      Route{"bare", 2500, 2500, "screen move 2500,2500"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScreenInput, PressOnALabelKeepsThePointerUntilRelease) {
    screen.mouseDown(nullptr, {ui::LeftButton, 0, 100, 100});
    screen.mouseMove(nullptr, {ui::LeftButton, 0, 2500, 2500});
    screen.mouseUp(nullptr, {ui::LeftButton, 0, 2500, 2500});
    screen.mouseMove(nullptr, {ui::NoButton, 0, 2500, 2500});
    // Released away from it: no click.
    EXPECT_EQ(log, (std::vector<std::string>{"Under move 2500,2500", "Under up",
                                             "screen move 2500,2500"}));
}

TEST_F(ScreenInput, ClickIsPressAndReleaseOnTheSameLabel) {
    screen.mouseDown(nullptr, {ui::LeftButton, 0, 100, 100});
    screen.mouseUp(nullptr, {ui::LeftButton, 0, 200, 200});
    screen.mouseDown(nullptr, {ui::LeftButton, 0, 2500, 2500});
    screen.mouseUp(nullptr, {ui::LeftButton, 0, 100, 100});
    // A press on the bare screen keeps the pointer there: the label hears nothing.
    EXPECT_EQ(log, (std::vector<std::string>{"Under up", "Under click -1"}));
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
    screen.mouseMove(nullptr, {ui::NoButton, 0, 700, 700});
    screen.sendToBack(under);
    EXPECT_EQ(screen.controls().front().get(), &under);
    screen.mouseMove(nullptr, {ui::NoButton, 0, 700, 700});
    EXPECT_EQ(log, (std::vector<std::string>{"Under move 700,700", "Over move 200,200"}));
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

}  // namespace
