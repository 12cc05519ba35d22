#include <ostream>
#include <string>

#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

// Projector mode's view of each kind of screen, worked out by hand for two displays: the
// activities fill the display and centre the spare side, the Jotter floats as a larger board.
struct ViewCase {
    const char* name;
    ui::Size display;  // twips
    bool portraitJotter;
    const char* screen;
    double scale;
    double offsetX;
    double offsetY;
    bool fillsDisplay;
};

class ProjectorView : public AppTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ProjectorView, ScaleAndOffsetOnTheDisplay) {
    const ViewCase& c = GetParam();
    platform.display = c.display;
    click("hamilton", "cmdjotter");
    if (c.portraitJotter) click("jotter", "Command3");
    key("hamilton", ui::Key::F11);
    const ui::View v = screen(c.screen).view();
    EXPECT_NEAR(v.scale, c.scale, 1e-4);
    EXPECT_NEAR(v.offsetX, c.offsetX, 0.1);
    EXPECT_NEAR(v.offsetY, c.offsetY, 0.1);
    EXPECT_EQ(v.fillsDisplay, c.fillsDisplay);
    key(c.screen, ui::Key::Escape);
    EXPECT_EQ(screen(c.screen).view(), ui::View{});
}

// hamilton's client area is 11880 x 8490 twips; the Jotter's 9915 x 3660, or 3880 x 11490
// in portrait.
INSTANTIATE_TEST_SUITE_P(
    Displays, ProjectorView,
    ::testing::Values(
        ViewCase{"hamilton1920x1080",
                 {28800, 16200},
                 false,
                 "hamilton",
                 16200.0 / 8490,
                 3065.72,
                 0,
                 true},
        ViewCase{"jotter1920x1080", {28800, 16200}, false, "jotter", 2, 0, 0, false},
        ViewCase{"portraitJotter1920x1080",
                 {28800, 16200},
                 true,
                 "jotter",
                 16200.0 / 11490,
                 0,
                 0,
                 false},
        ViewCase{"hamilton1024x768",
                 {15360, 11520},
                 false,
                 "hamilton",
                 15360.0 / 11880,
                 0,
                 271.48,
                 true},
        ViewCase{"jotter1024x768", {15360, 11520}, false, "jotter", 15360.0 / 9915, 0, 0, false},
        ViewCase{
            "portraitJotter1024x768", {15360, 11520}, true, "jotter", 11520.0 / 11490, 0, 0, false},
        // A display smaller than the board's design never shrinks it.
        ViewCase{"jotter800x200", {12000, 3000}, false, "jotter", 1, 0, 0, false}),
    kit::byName);

// Screens loaded while the mode is on come up in it; the hit test follows the view.
TEST_F(AppTest, ProjectorModeReachesScreensShownLaterAndTheirClicks) {
    key("hamilton", ui::Key::F11);
    click("hamilton", "cmdexit");
    ASSERT_TRUE(shown("menu1"));
    EXPECT_TRUE(screen("menu1").view().fillsDisplay);
    click("hamilton", "cmdjotter");
    EXPECT_TRUE(registry.isLoaded("jotter"));
    EXPECT_GT(screen("hamilton").view().scale, 1);
}

}  // namespace
