#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

struct Point {
    int x;
    int y;
};

// Centres of the title and of each tab; the same on every one of these screens.
constexpr Point title{6000, 500};
constexpr Point tab(int i) { return {10700, (i == 5 ? 6900 : 2400 + 750 * i) + 250}; }
constexpr Point introBare{3000, 3000};
constexpr Point menuBare{1000, 3000};
constexpr Point webLink{5000, 7950};
constexpr Point logo{900, 6500};
constexpr Point topic(int i) { return {6000, 2400 + 750 * i + 250}; }
constexpr Point prize{10000, 8100};

struct Sequence {
    const char* name;
    const char* screen;
    std::vector<Point> moves;
    // Title then tabs 0 to 5: 'X' draws its black box, '-' does not.
    const char* boxes;
};

const Sequence sequences[] = {
    {"IntroLoadsPlain", "intro0", {}, "-------"},
    {"IntroTitle", "intro0", {title}, "X------"},
    {"IntroTab", "intro0", {tab(2)}, "---X---"},
    {"IntroTabToTab", "intro0", {tab(0), tab(3)}, "-X--X--"},
    {"IntroTitleToTab", "intro0", {title, tab(1)}, "X-X----"},
    {"IntroTabToBare", "intro0", {tab(0), tab(3), introBare}, "-------"},
    {"IntroBareThenTab", "intro0", {tab(0), introBare, tab(4)}, "-----X-"},
    {"IntroTabToDisabledTab", "intro0", {title, tab(1), tab(5)}, "-------"},
    {"IntroTabToLink", "intro0", {tab(1), webLink}, "--X----"},
    {"IntroTabToLogo", "intro0", {tab(1), logo}, "--X----"},
    {"MenuTitleStartsBoxed", "menu1", {}, "X------"},
    {"MenuBareClearsTitle", "menu1", {menuBare}, "-------"},
    {"MenuTitleAgain", "menu1", {menuBare, title}, "X------"},
    {"MenuTabToTopic", "menu1", {tab(4), topic(0)}, "X----X-"},
    {"MenuTabToGreyedTopic", "menu1", {tab(4), topic(1)}, "-------"},
    {"MenuTabToTab", "menu3", {tab(0), tab(1)}, "XXX----"},
    {"MenuTabToDisabledTab", "menu5", {tab(0), tab(5)}, "-------"},
    {"MenuTabToGreyedPrize", "menu3", {tab(2), prize}, "-------"},
    {"MenuTabToGreyedTopicOfMenu2", "menu2", {tab(3), topic(2)}, "-------"},
};

class Highlight : public AppTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(Highlight, BoxesAfterPointerMoves) {
    const Sequence& s = GetParam();
    registry.deliver([&] { registry.show(s.screen); });
    for (const Point& p : s.moves) mouseMove(s.screen, p.x, p.y);
    std::string boxes = screen(s.screen).control("Label1").opaque() ? "X" : "-";
    for (int i = 0; i < 6; ++i) boxes += screen(s.screen).control("Label2", i).opaque() ? 'X' : '-';
    EXPECT_EQ(boxes, s.boxes);
}

INSTANTIATE_TEST_SUITE_P(Shell, Highlight, ::testing::ValuesIn(sequences), kit::byName);

using TopicBoxes = AppTest;

// Topics always show their box: the bare screen does not take it away.
TEST_F(TopicBoxes, StayAfterBareScreen) {
    for (const char* name : {"menu1", "menu2", "menu3", "menu4", "menu5"}) {
        registry.deliver([&] { registry.show(name); });
        mouseMove(name, topic(2).x, topic(2).y);
        mouseMove(name, menuBare.x, menuBare.y);
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(screen(name).control("Label3", i).opaque()) << name << ' ' << i;
        EXPECT_FALSE(screen(name).control("Label1").opaque()) << name;
    }
}

// A menu loaded afresh has forgotten the highlights of its earlier life.
TEST_F(TopicBoxes, FreshLoadForgetsHighlights) {
    registry.deliver([&] { registry.show("intro0"); });
    mouseMove("intro0", tab(0).x, tab(0).y);
    click("intro0", "Label2", 0);
    mouseMove("menu1", menuBare.x, menuBare.y);
    mouseMove("menu1", tab(2).x, tab(2).y);
    click("menu1", "Label2", 1);
    click("menu2", "Label2", 0);
    EXPECT_TRUE(screen("menu1").control("Label1").opaque());
    EXPECT_FALSE(screen("menu1").control("Label2", 2).opaque());
    click("menu1", "Command1");
    // The introduction was loaded hidden by the menus, afresh: no tab of its first life.
    EXPECT_FALSE(screen("intro0").control("Label2", 0).opaque());
}

}  // namespace
