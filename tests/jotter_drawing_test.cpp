#include <ostream>
#include <vector>

#include "app/colours.h"
#include "jotter/jotter.h"
#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

using Segments = std::vector<ui::Stroke>;

class JotterTest : public AppTest {
protected:
    ui::Surface& surface() { return registry.screen("jotter").surface(); }
    const Segments& drawn() { return surface().strokes(); }
    // Press at the first point, move through the rest with `held`, release at the last.
    void drag(const std::vector<ui::MouseEvent>& path, int pressed, int held) {
        mouseDown("jotter", path.front().x, path.front().y, pressed);
        for (std::size_t i = 1; i < path.size(); ++i)
            mouseMove("jotter", path[i].x, path[i].y, held);
        mouseUp("jotter", path.back().x, path.back().y, pressed);
    }
};

const std::vector<ui::MouseEvent> path = {
    {.x = 1500, .y = 900}, {.x = 1800, .y = 1200}, {.x = 2400, .y = 1200}, {.x = 2400, .y = 300}};

struct DragCase {
    const char* name;
    int pressed;
    int held;
    bool draws;
};

class JotterDrag : public JotterTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(JotterDrag, DrawsOnlyWithTheLeftButtonAlone) {
    const DragCase& c = GetParam();
    drag(path, c.pressed, c.held);
    Segments expected;
    if (c.draws)
        for (std::size_t i = 1; i < path.size(); ++i)
            expected.push_back({path[i - 1].x, path[i - 1].y, path[i].x, path[i].y, yellow, 3});
    EXPECT_EQ(drawn(), expected);
    const ui::MouseEvent& end = c.draws ? path.back() : path.front();
    EXPECT_EQ(surface().currentX(), end.x);
    EXPECT_EQ(surface().currentY(), end.y);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, JotterDrag,
    ::testing::Values(
        DragCase{"Left", ui::LeftButton, ui::LeftButton, true},
        DragCase{"Right", ui::RightButton, ui::RightButton, false},
        DragCase{"Middle", ui::MiddleButton, ui::MiddleButton, false},
        DragCase{"LeftAndRight", ui::LeftButton, ui::LeftButton | ui::RightButton, false},
        DragCase{"LeftAndMiddle", ui::LeftButton, ui::LeftButton | ui::MiddleButton, false},
        DragCase{"Hover", ui::NoButton, ui::NoButton, false}),
    kit::byName);

class JotterPress : public JotterTest, public ::testing::WithParamInterface<int> {};

TEST_P(JotterPress, AnyButtonMovesTheCurrentPointWithoutDrawing) {
    drag(path, ui::LeftButton, ui::LeftButton);
    const std::size_t before = drawn().size();
    mouseDown("jotter", 6000, 2000, GetParam());
    EXPECT_EQ(drawn().size(), before);
    EXPECT_EQ(surface().currentX(), 6000);
    EXPECT_EQ(surface().currentY(), 2000);
    mouseUp("jotter", 6000, 2000, GetParam());
    mouseDown("jotter", 6000, 2000, ui::LeftButton);
    mouseMove("jotter", 6300, 2100, ui::LeftButton);
    EXPECT_EQ(drawn().back(), (ui::Stroke{6000, 2000, 6300, 2100, yellow, 3}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, JotterPress,
                         ::testing::Values(ui::LeftButton, ui::RightButton, ui::MiddleButton,
                                           ui::LeftButton | ui::RightButton),
                         [](const auto& info) {
                             switch (info.param) {
                                 case ui::LeftButton: return std::string("Left");
                                 case ui::RightButton: return std::string("Right");
                                 case ui::MiddleButton: return std::string("Middle");
                             }
                             return std::string("LeftAndRight");
                         });

TEST_F(JotterTest, ErasingDrawsAWideBoardColouredLine) {
    click("jotter", "Label1", 12);
    click("jotter", "Command5");
    drag({path[0], path[1]}, ui::LeftButton, ui::LeftButton);
    EXPECT_EQ(drawn(), (Segments{{path[0].x, path[0].y, path[1].x, path[1].y, boardBlue, 30}}));
}

// A press on a swatch belongs to the swatch: it chooses a colour and moves no pen.
TEST_F(JotterTest, SwatchPressIsNotAStroke) {
    const ui::Control& frame = registry.screen("jotter").control("Frame_landscape");
    const ui::Control& red = registry.screen("jotter").control("Label1", 12);
    const int x = frame.left() + red.left(), y = frame.top() + red.top();
    mouseDown("jotter", x + 10, y + 10);
    mouseMove("jotter", x + 50, y + 50, ui::LeftButton);
    mouseUp("jotter", x + 50, y + 50);
    EXPECT_TRUE(drawn().empty());
    EXPECT_EQ(surface().penColour(), basicColour(12));
}

struct ClearCase {
    const char* name;
    std::vector<const char*> buttons;
    int outerWidth;
    int outerHeight;
    bool portrait;
};

class JotterClear : public JotterTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(JotterClear, WipesTheDrawingAndSetsTheShape) {
    const ClearCase& c = GetParam();
    for (const char* b : c.buttons) {
        drag(path, ui::LeftButton, ui::LeftButton);
        click("jotter", b);
        EXPECT_TRUE(drawn().empty()) << b;
    }
    const ui::Screen& pad = registry.screen("jotter");
    EXPECT_EQ(surface().background(), boardBlue);
    EXPECT_EQ(pad.width(), c.outerWidth);
    EXPECT_EQ(pad.height(), c.outerHeight);
    EXPECT_EQ(pad.clientWidth(), c.outerWidth - platform.margins.width);
    EXPECT_EQ(pad.control("Frame_landscape").visible(), !c.portrait);
    EXPECT_EQ(pad.control("Frame_portrait").visible(), c.portrait);
    if (c.portrait) {
        EXPECT_EQ(pad.control("Frame_portrait").left(), c.outerWidth - 1035 - 80);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, JotterClear,
    ::testing::Values(ClearCase{"Clear", {"Command6"}, 9915 + 120, 3660 + 510, false},
                      ClearCase{"ToPortrait", {"Command3"}, 4000, 12000, true},
                      ClearCase{"PortraitClear", {"Command3", "Command7"}, 4000, 12000, true},
                      ClearCase{"BackToLandscape", {"Command3", "Command4"}, 10000, 4140, false},
                      ClearCase{
                          "RoundTrip", {"Command3", "Command4", "Command3"}, 4000, 12000, true}),
    kit::byName);

}  // namespace

namespace {

// Projector mode on and off keeps the working; Flip still starts a clean sheet, and what is
// drawn after it is kept in turn.
TEST_F(JotterTest, KeepsItsStrokesAcrossAChangeOfView) {
    click("hamilton", "cmdjotter");
    drag(path, ui::LeftButton, ui::LeftButton);
    const Segments working = drawn();
    for (ui::Key k : {ui::Key::F11, ui::Key::Escape, ui::Key::F11, ui::Key::F11}) {
        key("jotter", k);
        EXPECT_EQ(drawn(), working);
    }
    key("hamilton", ui::Key::F11);
    click("jotter", "Command3");
    EXPECT_TRUE(drawn().empty());
    drag(path, ui::LeftButton, ui::LeftButton);
    key("jotter", ui::Key::Escape);
    EXPECT_EQ(drawn().size(), path.size() - 1);
}

}  // namespace
