#include <ostream>
#include <string>
#include <vector>

#include "app/colours.h"
#include "jotter/jotter.h"
#include "support/app_fixture.h"

namespace {

struct SwatchCase {
    std::string name;
    int index;
    int left;
    int top;
    std::string frame;
};
// Rows print as their names, so failures and ctest's list read as words.
void PrintTo(const SwatchCase& r, std::ostream* os) { *os << r.name << "_" << r.index; }

std::vector<SwatchCase> swatchTable() {
    std::vector<SwatchCase> rows;
    for (int i = 0; i < 16; ++i)
        rows.push_back({"Label1", i, 5010 + 305 * i, 285, "Frame_landscape"});
    for (int i = 0; i < 8; ++i)
        rows.push_back({"Label11", i, 180, 2820 + 290 * i, "Frame_portrait"});
    for (int i = 8; i < 16; ++i)
        rows.push_back({"Label11", i, 580, 2820 + 290 * (i - 8), "Frame_portrait"});
    return rows;
}

class JotterSwatch : public AppTest, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(JotterSwatch, PlacedAndColouredAtLoad) {
    const SwatchCase& c = GetParam();
    const ui::Control& s = screen("jotter").control(c.name, c.index);
    EXPECT_EQ(s.left(), c.left);
    EXPECT_EQ(s.top(), c.top);
    EXPECT_EQ(s.width(), 240);
    EXPECT_EQ(s.height(), 240);
    EXPECT_EQ(s.backColour(), basicColour(c.index));
    ASSERT_NE(s.container(), nullptr);
    EXPECT_EQ(s.container()->name(), c.frame);
}

INSTANTIATE_TEST_SUITE_P(Layout, JotterSwatch, ::testing::ValuesIn(swatchTable()),
                         [](const auto& info) {
                             return info.param.name + "_" + std::to_string(info.param.index);
                         });

using JotterWindow = AppTest;

TEST_F(JotterWindow, LoadsLandscapeAndAsksToStayOnTop) {
    const ui::Screen& pad = screen("jotter");
    EXPECT_TRUE(pad.topmost());
    EXPECT_EQ(pad.clientWidth(), 9915);
    EXPECT_EQ(pad.clientHeight(), 3660);
    EXPECT_EQ(pad.backColour(), boardBlue);
    EXPECT_TRUE(pad.control("Frame_landscape").visible());
    EXPECT_FALSE(pad.control("Frame_portrait").visible());
}

struct ExitCase {
    const char* button;
    const char* flipFirst;  // null to stay in landscape
};
void PrintTo(const ExitCase& r, std::ostream* os) { *os << r.button; }

class JotterExit : public AppTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(JotterExit, UnloadsAndReopensFresh) {
    registry.show("jotter");
    click("jotter", "Label1", 3);
    if (GetParam().flipFirst) click("jotter", GetParam().flipFirst);
    click("jotter", GetParam().button);
    EXPECT_FALSE(registry.isLoaded("jotter"));
    EXPECT_FALSE(platform.hasWindow("jotter"));
    registry.show("jotter");
    auto& pad = registry.screenAs<jotting::jotter>("jotter");
    EXPECT_EQ(pad.surface().penColour(), yellow);
    EXPECT_TRUE(pad.control("Frame_landscape").visible());
    EXPECT_EQ(pad.clientWidth(), 9915);
}

INSTANTIATE_TEST_SUITE_P(Buttons, JotterExit,
                         ::testing::Values(ExitCase{"Command1", nullptr},
                                           ExitCase{"Command9", "Command3"}),
                         [](const auto& info) { return std::string(info.param.button); });

}  // namespace
