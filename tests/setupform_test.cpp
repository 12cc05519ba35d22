#include <gtest/gtest.h>
#include <ostream>

#include <vector>

#include "app/colours.h"
#include "app/setupform.h"
#include "support/fake_platform.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

using ui::ControlKind;

ui::Screen makeScreen(FakePlatform& platform, std::span<const ui::ControlDesign> controls) {
    return ui::Screen(platform, "test", {.clientWidth = 3000, .clientHeight = 2000}, controls);
}

struct DisplayCase {
    const char* name;
    int widthPx, heightPx;
    int left, top;
};

class SetupformOnDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(SetupformOnDisplay, SizesColoursAndPlacesAScreenWithoutToolbar) {
    const DisplayCase& c = GetParam();
    FakePlatform platform;
    platform.display = {c.widthPx * 15, c.heightPx * 15};
    ui::Screen screen = makeScreen(platform, {});
    setupform(screen);
    EXPECT_EQ(screen.width(), 12000);
    EXPECT_EQ(screen.height(), 9000);
    EXPECT_EQ(screen.left(), c.left);
    EXPECT_EQ(screen.top(), c.top);
    EXPECT_EQ(screen.backColour(), standardBlue);
    EXPECT_EQ(screen.clientWidth(), 11880);
    EXPECT_EQ(screen.clientHeight(), 8490);
}

INSTANTIATE_TEST_SUITE_P(Displays, SetupformOnDisplay,
                         ::testing::Values(DisplayCase{"px1024x768", 1024, 768, 840, 1260},
                                           DisplayCase{"px800x600", 800, 600, 0, 0},
                                           DisplayCase{"px640x480", 640, 480, -1200, -900},
                                           DisplayCase{"px801x601", 801, 601, -833, 8}),
                         kit::byName);

TEST(Setupform, ColoursPicture1) {
    FakePlatform platform;
    const ui::ControlDesign controls[] = {{.kind = ControlKind::PictureBox, .name = "Picture1"}};
    ui::Screen screen = makeScreen(platform, controls);
    setupform(screen);
    EXPECT_EQ(screen.control("Picture1").backColour(), standardBlue);
}

const ui::ControlDesign allButtons[] = {
    {.kind = ControlKind::Button, .name = "cmdexit", .top = 11},
    {.kind = ControlKind::Button, .name = "Cmdgo", .top = 22},
    {.kind = ControlKind::Button, .name = "cmdsoln", .top = 33},
    {.kind = ControlKind::Button, .name = "cmdcheckit", .top = 44},
    {.kind = ControlKind::Button, .name = "Cmdjotter", .top = 55},
};

struct Placed {
    const char* name;
    int left, top;
};

void expectPlaced(const ui::Screen& screen, std::initializer_list<Placed> rows) {
    for (const Placed& p : rows) {
        SCOPED_TRACE(p.name);
        const ui::Control* c = screen.findIgnoringCase(p.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->left(), p.left);
        EXPECT_EQ(c->top(), p.top);
        EXPECT_EQ(c->width(), 1785);
        EXPECT_EQ(c->height(), 495);
        EXPECT_FALSE(c->tabStop());
    }
}

TEST(Toolbar, FullColumnWithPicturesWhateverTheLetterCase) {
    FakePlatform platform;
    ui::Screen screen = makeScreen(platform, allButtons);
    setupform(screen);
    expectPlaced(screen, {{"Cmdcheckit", 10050, 6465},
                          {"cmdsoln", 10050, 6960},
                          {"cmdjotter", 10050, 7455},
                          {"cmdgo", 10050, 7950},
                          {"cmdexit", 60, 7950}});
    for (const auto& c : screen.controls()) EXPECT_NE(c->picture(), nullptr) << c->name();
}

// A screen with every toolbar button but one, after setupform.
struct WithoutOne {
    explicit WithoutOne(const char* missing) : rows(allBut(missing)) { setupform(screen); }
    static std::vector<ui::ControlDesign> allBut(const char* missing) {
        std::vector<ui::ControlDesign> kept;
        for (const ui::ControlDesign& b : allButtons)
            if (b.name != missing) kept.push_back(b);
        return kept;
    }
    FakePlatform platform;
    std::vector<ui::ControlDesign> rows;
    ui::Screen screen = makeScreen(platform, rows);
};

TEST(Toolbar, WithoutCheckTheColumnIsSolutionJotterNext) {
    const WithoutOne t("cmdcheckit");
    const ui::Screen& screen = t.screen;
    expectPlaced(screen, {{"cmdsoln", 10050, 6960},
                          {"cmdjotter", 10050, 7455},
                          {"cmdgo", 10050, 7950},
                          {"cmdexit", 60, 7950}});
}

TEST(Toolbar, WithoutJotterSolutionKeepsItsTopAndCheckStacksOnIt) {
    const WithoutOne t("Cmdjotter");
    const ui::Screen& screen = t.screen;
    expectPlaced(screen,
                 {{"cmdsoln", 10050, 33}, {"Cmdcheckit", 10050, 33 - 495}, {"cmdgo", 10050, 7950}});
}

TEST(Toolbar, WithoutNextJotterKeepsItsTop) {
    const WithoutOne t("Cmdgo");
    const ui::Screen& screen = t.screen;
    expectPlaced(screen, {{"cmdjotter", 10050, 55},
                          {"cmdsoln", 10050, 55 - 495},
                          {"Cmdcheckit", 10050, 55 - 990},
                          {"cmdexit", 60, 7950}});
}

TEST(Toolbar, MissingPictureLeavesThatButtonBareAndTheRestGoesOn) {
    FakePlatform platform;
    platform.folders = {std::filesystem::temp_directory_path() / "quillon-no-pictures"};
    ui::Screen screen = makeScreen(platform, allButtons);
    setupform(screen);
    expectPlaced(screen, {{"cmdgo", 10050, 7950}, {"cmdexit", 60, 7950}});
    EXPECT_EQ(screen.control("cmdexit").picture(), nullptr);
}

TEST(Toolbar, LeavesOtherControlsAlone) {
    FakePlatform platform;
    const ui::ControlDesign rows[] = {
        {.kind = ControlKind::Button, .name = "Command1", .left = 5, .top = 6, .width = 7}};
    ui::Screen screen = makeScreen(platform, rows);
    setupform(screen);
    const ui::Control& c = screen.control("Command1");
    EXPECT_EQ(std::tuple(c.left(), c.top(), c.width(), c.tabStop()), std::tuple(5, 6, 7, true));
}

}  // namespace
