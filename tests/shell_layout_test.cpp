#include <vector>

#include "support/app_fixture.h"

namespace {

// One control as it stands once its screen has loaded.
struct Placed {
    const char* screen;
    const char* control;
    int index;
    const char* caption;
    int left;
    int top;
    int width;
    bool enabled;
    bool visible = true;
};

void PrintTo(const Placed& p, std::ostream* os) {
    *os << p.screen << '.' << p.control << '(' << p.index << ')';
}

const char* const tabbedScreens[] = {"intro0", "menu1", "menu2", "menu3", "menu4", "menu5"};

std::vector<Placed> tabs() {
    constexpr const char* captions[] = {"Menu 1", "Menu 2", "Menu 3",
                                        "Menu 4", "Menu 5", "WWW Links"};
    constexpr int tops[] = {2400, 3150, 3900, 4650, 5400, 6900};
    std::vector<Placed> rows;
    for (const char* s : tabbedScreens)
        for (int i = 0; i < 6; ++i)
            rows.push_back({s, "Label2", i, captions[i], 9600, tops[i], 2235, i != 5});
    return rows;
}

const Placed topics[] = {
    {"menu1", "Label3", 0, "Hamiltonian Circuits", 3472, 2400, 5055, true},
    {"menu1", "Label3", 1, "Factorials", 3472, 3150, 5055, false},
    {"menu1", "Label3", 2, "Guillotine", 3472, 3900, 5055, false},
    {"menu1", "Label3", 3, "The Date", 3472, 4650, 5055, false},
    {"menu1", "Label3", 4, "Surds", 3472, 5400, 5055, true},
    {"menu1", "Label3", 5, "", 3472, 6150, 5055, false, false},
    {"menu2", "Label3", 0, "Constructions", 3652, 2400, 4695, false},
    {"menu2", "Label3", 1, "What Number?", 3652, 3150, 4695, false},
    {"menu2", "Label3", 2, "Vectors 1", 3652, 3900, 4695, false},
    {"menu2", "Label3", 3, "Vectors 2", 3652, 4650, 4695, false},
    {"menu2", "Label3", 4, "Distance, Speed and Time", 3652, 5400, 4695, false},
    {"menu2", "Label3", 5, "", 3652, 6150, 4695, false, false},
    {"menu3", "Label3", 0, "Proving Pythagoras' Theorem", 3532, 2400, 4935, false},
    {"menu3", "Label3", 1, "Area", 3532, 3150, 4935, false},
    {"menu3", "Label3", 2, "Series", 3532, 3900, 4935, false},
    {"menu3", "Label3", 3, "Angle Sum", 3532, 4650, 4935, false},
    {"menu3", "Label3", 4, "Dimensions", 3532, 5400, 4935, false},
    {"menu3", "Label3", 5, "", 3532, 6150, 4935, false, false},
    {"menu4", "Label3", 0, "Density, Mass and Volume", 3292, 2400, 5415, false},
    {"menu4", "Label3", 1, "Distance and Speed Time Graphs", 3292, 3150, 5415, false},
    {"menu4", "Label3", 2, "Multiplication Tables", 3292, 3900, 5415, false},
    {"menu4", "Label3", 3, "Similar Triangles", 3292, 4650, 5415, false},
    {"menu4", "Label3", 4, "Longitude and Latitude", 3292, 5400, 5415, false},
    {"menu4", "Label3", 5, "", 3292, 6150, 5415, false, false},
    {"menu5", "Label3", 0, "Function Transformations", 3112, 2400, 5775, false},
    {"menu5", "Label3", 1, "Shape and Space", 3112, 3150, 5775, false},
    {"menu5", "Label3", 2, "Reflections", 3112, 3900, 5775, true},
    {"menu5", "Label3", 3, "Rotations", 3112, 4650, 5775, false},
    {"menu5", "Label3", 4, "Logic Problems", 3112, 5400, 5775, false},
};

const Placed others[] = {
    {"intro0", "Label1", -1, "Quillon Volume IV", 150, 120, 11580, true},
    {"intro0", "Label3", -1, "version 1.0.000", 7920, 1080, 3600, true},
    {"intro0", "Image2", -1, "", 180, 5700, 1500, true},
    {"intro0", "Label5", -1, "www.velmora.example", 4200, 7800, 3315, true},
    {"intro0", "Label4", -1, "\u00a9 2026 Velmora", 4080, 8220, 3600, true},
    {"menu1", "Label1", -1, "Menu 1", 4297, 120, 3405, true},
    {"menu2", "Label1", -1, "Menu 2", 4297, 120, 3405, true},
    {"menu3", "Label1", -1, "Menu 3", 4297, 120, 3405, true},
    {"menu4", "Label1", -1, "Menu 4", 4297, 120, 3405, true},
    {"menu5", "Label1", -1, "Menu 5", 4297, 120, 3405, true},
    {"menu3", "Label4", -1, "Win $1,000,000", 8730, 7890, 3105, false},
};

class ShellLayout : public AppTest, public ::testing::WithParamInterface<Placed> {};

TEST_P(ShellLayout, StandsWhereDesigned) {
    const Placed& p = GetParam();
    const ui::Control& c = screen(p.screen).control(p.control, p.index);
    EXPECT_EQ(c.caption(), p.caption);
    EXPECT_EQ(c.left(), p.left);
    EXPECT_EQ(c.top(), p.top);
    EXPECT_EQ(c.width(), p.width);
    EXPECT_EQ(c.enabled(), p.enabled);
    EXPECT_EQ(c.visible(), p.visible);
}

std::string rowName(const ::testing::TestParamInfo<Placed>& info) {
    const Placed& p = info.param;
    return std::string(p.screen) + "_" + p.control + (p.index >= 0 ? std::to_string(p.index) : "");
}

INSTANTIATE_TEST_SUITE_P(Tabs, ShellLayout, ::testing::ValuesIn(tabs()), rowName);
INSTANTIATE_TEST_SUITE_P(Topics, ShellLayout, ::testing::ValuesIn(topics), rowName);
INSTANTIATE_TEST_SUITE_P(Others, ShellLayout, ::testing::ValuesIn(others), rowName);

class ScreenFrame : public AppTest, public ::testing::WithParamInterface<const char*> {};

// Size, place, colour and exit button that every one of these screens sets as it loads.
TEST_P(ScreenFrame, StandardScreenWithExitButton) {
    const ui::Screen& s = screen(GetParam());
    EXPECT_EQ(s.caption(), "Velmora");
    EXPECT_FALSE(s.windowButtons());
    EXPECT_EQ(s.width(), 12000);
    EXPECT_EQ(s.height(), 9000);
    EXPECT_EQ(s.left(), 840);
    EXPECT_EQ(s.top(), 1260);
    EXPECT_EQ(s.backColour(), ui::rgb(49, 135, 215));
    EXPECT_TRUE(s.picture());
    const ui::Control& exit = s.control("Command1");
    EXPECT_EQ(exit.left(), 60);
    EXPECT_EQ(exit.top(), 7950);
    EXPECT_EQ(exit.width(), 1785);
    EXPECT_EQ(exit.height(), 495);
    EXPECT_TRUE(exit.picture());
    EXPECT_TRUE(exit.caption().empty());
}

INSTANTIATE_TEST_SUITE_P(Shell, ScreenFrame, ::testing::ValuesIn(tabbedScreens),
                         [](const auto& info) { return std::string(info.param); });

using MenuParts = AppTest;

TEST_F(MenuParts, FifthMenuHasNoSpareTopicAndOnlyTheThirdAPrize) {
    EXPECT_EQ(screen("menu5").find("Label3", 5), nullptr);
    EXPECT_NE(screen("menu3").find("Label4"), nullptr);
    for (const char* s : {"menu1", "menu2", "menu4", "menu5"})
        EXPECT_EQ(screen(s).find("Label4"), nullptr) << s;
}

}  // namespace
