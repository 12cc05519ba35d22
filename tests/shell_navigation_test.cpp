#include <filesystem>
#include <set>

#include "shell/intro0.h"
#include "shell/menu.h"
#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

// A click given to a control of a screen: member `index` of an array, or -1.
struct Step {
    const char* screen;
    const char* control;
    int index = -1;
};

constexpr Step ok{"Titlefrm", "Command1"};
constexpr Step introExit{"intro0", "Command1"};
constexpr Step webLink{"intro0", "Label5"};
constexpr Step introTab(int i) { return {"intro0", "Label2", i}; }
constexpr Step menuTab(int menu, int i) {
    constexpr const char* names[] = {"", "menu1", "menu2", "menu3", "menu4", "menu5"};
    return {names[menu], "Label2", i};
}
constexpr Step menuExit(int menu) { return {menuTab(menu, 0).screen, "Command1"}; }
constexpr Step topic(int menu, int i) { return {menuTab(menu, 0).screen, "Label3", i}; }

const char* const everyScreen[] = {"Titlefrm", "intro0", "menu1",    "menu2", "menu3",
                                   "menu4",    "menu5",  "hamilton", "surds", "reflections"};

struct Journey {
    const char* name;
    std::vector<Step> steps;
    std::set<std::string> shown;
    std::set<std::string> hidden;  // loaded, not on view
};

const Journey journeys[] = {
    {"StartUp", {}, {"Titlefrm"}, {}},
    {"TitleOk", {ok}, {"intro0"}, {}},
    {"IntroMenu1", {ok, introTab(0)}, {"menu1"}, {}},
    {"IntroMenu2", {ok, introTab(1)}, {"menu2"}, {}},
    {"IntroMenu3", {ok, introTab(2)}, {"menu3"}, {}},
    {"IntroMenu4", {ok, introTab(3)}, {"menu4"}, {}},
    {"IntroMenu5", {ok, introTab(4)}, {"menu5"}, {}},
    {"IntroExit", {ok, introExit}, {"Titlefrm"}, {}},
    {"CancelLeadsOnAgain", {ok, introExit, ok}, {"intro0"}, {}},
    {"WebLinkStays", {ok, webLink}, {"intro0"}, {}},
    {"MenuToMenu", {ok, introTab(0), menuTab(1, 2)}, {"menu3"}, {"intro0"}},
    {"MenuToMenuToMenu", {ok, introTab(1), menuTab(2, 3), menuTab(4, 4)}, {"menu5"}, {"intro0"}},
    {"OwnTabDoesNothing", {ok, introTab(1), menuTab(2, 1)}, {"menu2"}, {}},
    {"MenuExit", {ok, introTab(4), menuExit(5)}, {"intro0"}, {}},
    {"MenuExitAfterMenuToMenu", {ok, introTab(1), menuTab(2, 3), menuExit(4)}, {"intro0"}, {}},
    {"BackToTitleFromDeep",
     {ok, introTab(0), menuTab(1, 1), menuExit(2), introExit},
     {"Titlefrm"},
     {}},
    {"Hamilton", {ok, introTab(0), topic(1, 0)}, {"menu1", "hamilton"}, {}},
    {"Surds", {ok, introTab(0), topic(1, 4)}, {"menu1", "surds"}, {}},
    {"Reflections", {ok, introTab(4), topic(5, 2)}, {"menu5", "reflections"}, {}},
    {"GreyedTopicsDoNothing",
     {ok, introTab(0), topic(1, 1), topic(1, 2), topic(1, 3), topic(1, 5)},
     {"menu1"},
     {}},
    {"GreyedMenu5Topic", {ok, introTab(4), topic(5, 0), topic(5, 4)}, {"menu5"}, {}},
    {"GreyedMenu3", {ok, introTab(2), topic(3, 0), {"menu3", "Label4"}}, {"menu3"}, {}},
    {"GreyedLinksTab", {ok, introTab(5), introTab(0), menuTab(1, 5)}, {"menu1"}, {}},
    // The menu behind an open activity waits for it: no tab, exit or other topic acts.
    {"MenuBehindHamiltonTakesNoTab",
     {ok, introTab(0), topic(1, 0), menuTab(1, 1)},
     {"menu1", "hamilton"},
     {}},
    {"MenuBehindHamiltonTakesNoExit",
     {ok, introTab(0), topic(1, 0), menuExit(1)},
     {"menu1", "hamilton"},
     {}},
    {"MenuBehindHamiltonOpensNoSecondActivity",
     {ok, introTab(0), topic(1, 0), topic(1, 4)},
     {"menu1", "hamilton"},
     {}},
    {"MenuBehindReflectionsTakesNoTab",
     {ok, introTab(4), topic(5, 2), menuTab(5, 0), menuExit(5)},
     {"menu5", "reflections"},
     {}},
};

// Stands in for an activity the build may not carry yet; a real one keeps its place.
std::unique_ptr<ui::Screen> standIn(Registry& r, const char* name) {
    return std::make_unique<ui::Screen>(r.platform(), name, ui::ScreenDesign{},
                                        std::span<const ui::ControlDesign>{});
}

class Navigation : public AppTest, public ::testing::WithParamInterface<Journey> {
protected:
    Navigation() {
        for (const char* name : {"hamilton", "surds", "reflections"})
            registry.add(name, [name](Registry& r) { return standIn(r, name); });
        registry.deliver([&] { registry.show("Titlefrm"); });
    }
    void take(const Step& s) { click(s.screen, s.control, s.index); }
};

TEST_P(Navigation, ScreensLoadedShownAndHidden) {
    for (const Step& s : GetParam().steps) take(s);
    for (const char* name : everyScreen) {
        const bool loaded = registry.isLoaded(name);
        EXPECT_EQ(loaded && shown(name), GetParam().shown.contains(name)) << name;
        EXPECT_EQ(loaded && !shown(name), GetParam().hidden.contains(name)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Shell, Navigation, ::testing::ValuesIn(journeys), kit::byName);

using Shell = Navigation;

TEST_F(Shell, TitleReadsCancelAfterTheIntroductionsExit) {
    EXPECT_EQ(screen("Titlefrm").control("Command1").caption(), "OK");
    take(ok);
    take(introExit);
    EXPECT_EQ(screen("Titlefrm").control("Command1").caption(), "Cancel");
}

TEST_F(Shell, HiddenIntroductionComesBackWithoutLoadingAgain) {
    take(ok);
    take(introTab(1));
    EXPECT_FALSE(registry.isLoaded("intro0"));
    take(menuTab(2, 3));
    ASSERT_TRUE(registry.isLoaded("intro0"));
    EXPECT_FALSE(shown("intro0"));
    // A highlight that a fresh Form_Load would clear marks this very load.
    registry.deliver([&] { screen("intro0").control("Label2", 2).setOpaque(true); });
    take(menuExit(4));
    EXPECT_TRUE(shown("intro0"));
    EXPECT_TRUE(screen("intro0").control("Label2", 2).opaque());
}

TEST_F(Shell, MenusBorrowTheIntroductionsPicture) {
    take(ok);
    const ui::Picture background = screen("intro0").picture();
    ASSERT_TRUE(background);
    take(introTab(0));
    EXPECT_EQ(screen("menu1").picture(), background);
    take(menuTab(1, 1));
    EXPECT_EQ(screen("menu2").picture(), screen("intro0").picture());
}

TEST_F(Shell, WebLinkAsksForTheMakersAddress) {
    take(ok);
    take(webLink);
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{"https://www.velmora.example/"});
}

TEST_F(Shell, FailingWebLinkIsIgnored) {
    platform.openSucceeds = false;
    take(ok);
    take(webLink);
    take(webLink);
    EXPECT_EQ(platform.openedUrls.size(), 2u);
    // A fault in the click would be caught and the screen go on: count it.
    EXPECT_EQ(registry.caughtFaults(), 0);
    EXPECT_TRUE(shown("intro0"));
    take(introTab(0));
    EXPECT_TRUE(shown("menu1"));
}

TEST_F(Shell, ScreensWorkWithoutTheirPictures) {
    platform.folders = {std::filesystem::temp_directory_path() / "quillon-no-pictures-here"};
    take(ok);
    EXPECT_FALSE(screen("intro0").picture());
    EXPECT_FALSE(screen("intro0").control("Image2").picture());
    EXPECT_FALSE(screen("intro0").control("Command1").picture());
    EXPECT_EQ(screen("intro0").control("Command1").left(), 60);
    take(introTab(2));
    EXPECT_FALSE(screen("menu3").picture());
    EXPECT_EQ(screen("menu3").control("Label3", 4).caption(), "Dimensions");
    take(menuTab(3, 0));
    take(menuExit(1));
    take(introExit);
    EXPECT_TRUE(shown("Titlefrm"));
}

// The pointer itself, pressed and released on the greyed tab, reaches nothing.
TEST_F(Shell, PressOnTheLinksTabIsNoClick) {
    take(ok);
    mouseDown("intro0", 10000, 7100);
    mouseUp("intro0", 10000, 7100);
    EXPECT_TRUE(shown("intro0"));
    mouseDown("intro0", 10000, 2600);
    mouseUp("intro0", 10000, 2600);
    EXPECT_TRUE(shown("menu1"));
}

// An activity this build lacks leaves its topic inert, without a fault.
TEST(ShellWithoutActivities, TopicOfMissingScreenDoesNothing) {
    FakePlatform platform;
    Registry registry{platform};
    registry.add("intro0", [](Registry& r) { return std::make_unique<shell::intro0>(r); });
    registry.add("menu1", [](Registry& r) { return std::make_unique<shell::TopicMenu>(r, 1); });
    registry.deliver([&] { registry.show("menu1"); });
    EXPECT_NO_THROW(registry.screenAs<shell::TopicMenu>("menu1").Label3_Click(4));
    EXPECT_NO_THROW(registry.screenAs<shell::TopicMenu>("menu1").Label3_Click(0));
    EXPECT_TRUE(registry.screen("menu1").shown());
    EXPECT_FALSE(registry.isLoaded("surds"));
}

}  // namespace
