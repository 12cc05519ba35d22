#include "shell/titlefrm.h"
#include "app/colours.h"
#include "support/app_fixture.h"

namespace {

using TitleScreen = AppTest;

TEST_F(TitleScreen, CentredGreyWithItsDesign) {
    registry.show("Titlefrm");
    const ui::Screen& t = screen("Titlefrm");
    EXPECT_EQ(t.clientWidth(), 5460);
    EXPECT_EQ(t.clientHeight(), 6570);
    EXPECT_EQ(t.left(), 15360 / 2 - t.width() / 2);
    EXPECT_EQ(t.top(), 11520 / 2 - t.height() / 2);
    EXPECT_EQ(t.backColour(), ui::rgb(192, 192, 192));
    EXPECT_FALSE(t.windowButtons());
    EXPECT_EQ(t.caption(), " ");
    EXPECT_NE(t.control("Picture1").picture(), nullptr);
    EXPECT_EQ(t.control("Command1").caption(), "OK");
    EXPECT_EQ(t.control("Command2").caption(), "Exit");
    EXPECT_EQ(t.control("Label4").caption(), "Quillon Volume IV");
    EXPECT_EQ(t.control("Label3").caption(), "Activities by the Velmora team");
    EXPECT_EQ(t.control("Label2").caption(), "\u00a9 2026 Velmora");
    EXPECT_FALSE(t.timer("Timer1").enabled());
    EXPECT_EQ(t.timer("Timer1").interval(), 75);
    // The frame stays behind the window's other controls until the error path.
    EXPECT_EQ(t.controls().front()->name(), "Frame1");
}

TEST_F(TitleScreen, MissingPictureFallsBackToTheStandardScreen) {
    platform.folders = {std::filesystem::temp_directory_path() / "quillon-nothing-here"};
    testing::internal::CaptureStderr();
    registry.show("Titlefrm");
    const std::string said = testing::internal::GetCapturedStderr();
    const ui::Screen& t = screen("Titlefrm");
    EXPECT_EQ(t.width(), 12000);
    EXPECT_EQ(t.height(), 9000);
    EXPECT_EQ(t.left(), 840);
    EXPECT_EQ(t.top(), 1260);
    EXPECT_EQ(t.backColour(), standardBlue);
    EXPECT_EQ(t.control("Picture1").backColour(), standardBlue);
    EXPECT_EQ(t.control("Picture1").picture(), nullptr);
    EXPECT_EQ(t.controls().back()->name(), "Frame1");
    EXPECT_NE(said.find("opening\\start000.jpg"), std::string::npos);
    // Both loads fail, the file is named once, and the screen still works.
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    click("Titlefrm", "Command2");
    EXPECT_TRUE(platform.ended);
}

TEST_F(TitleScreen, ExitEndsWhateverElseIsLoaded) {
    registry.show("Titlefrm");
    registry.show("menu1");
    registry.show("jotter");
    ASSERT_TRUE(registry.isLoaded("intro0"));  // hidden: menu1 read its picture
    click("Titlefrm", "Command2");
    EXPECT_TRUE(platform.ended);
    EXPECT_TRUE(platform.windows.empty());
    for (const char* name : {"Titlefrm", "intro0", "menu1", "jotter"})
        EXPECT_FALSE(registry.isLoaded(name)) << name;
}

TEST_F(TitleScreen, CloseRequestEndsTheProgramAsExitDoes) {
    registry.show("Titlefrm");
    registry.closeRequested(registry.screen("Titlefrm"));
    EXPECT_TRUE(platform.ended);
    EXPECT_TRUE(platform.windows.empty());
    EXPECT_TRUE(registry.loadedScreens().empty());
}

TEST(OpeningFrames, NamesHaveThreeDigits) {
    EXPECT_EQ(shell::openingFrameFile(0), "opening\\start000.jpg");
    EXPECT_EQ(shell::openingFrameFile(7), "opening\\start007.jpg");
    EXPECT_EQ(shell::openingFrameFile(42), "opening\\start042.jpg");
    EXPECT_EQ(shell::openingFrameFile(179), "opening\\start179.jpg");
}

// Nothing ever starts Timer1: the first opening frame stays, and no tick comes.
TEST_F(TitleScreen, OpeningFrameStaysStill) {
    registry.show("Titlefrm");
    const ui::Picture first = screen("Titlefrm").control("Picture1").picture();
    ASSERT_NE(first, nullptr);
    const int events = platform.refreshes;
    platform.advance(10000);
    EXPECT_EQ(screen("Titlefrm").control("Picture1").picture(), first);
    EXPECT_EQ(platform.refreshes, events);
}

}  // namespace
