#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/registry.h"
#include "program/start.h"
#include "support/fake_platform.h"

namespace {

struct LessonCase {
    const char* lesson;
    std::set<std::string> shown;
};

// A lesson link opens its activity over the menu its topic is on; anything else, the title.
const LessonCase lessons[] = {
    {"hamilton", {"menu1", "hamilton"}},
    {"surds", {"menu1", "surds"}},
    {"reflections", {"menu5", "reflections"}},
    {"", {"Titlefrm"}},
    {"menu1", {"Titlefrm"}},
    {"jotter", {"Titlefrm"}},
    {"Hamilton", {"Titlefrm"}},
    {"hamilton ", {"Titlefrm"}},
};

class LessonLink : public ::testing::TestWithParam<LessonCase> {};

TEST_P(LessonLink, OpensItsActivityOverItsMenuOrTheTitle) {
    FakePlatform platform;
    Registry registry{platform};
    startProgram(registry, GetParam().lesson);
    std::set<std::string> shown;
    for (const ui::Screen* s : registry.loadedScreens())
        if (s->shown()) shown.insert(s->name());
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_EQ(registry.caughtFaults(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonLink, ::testing::ValuesIn(lessons));

// The activity opened by a link leaves for its menu as it would from that menu.
TEST(LessonLink, ExitFromALinkedActivityLeavesItsMenu) {
    FakePlatform platform;
    Registry registry{platform};
    startProgram(registry, "reflections");
    registry.deliver([&] { registry.screen("reflections").control("cmdexit").activate(); });
    EXPECT_FALSE(registry.isLoaded("reflections"));
    EXPECT_TRUE(registry.screen("menu5").shown());
}

}  // namespace
