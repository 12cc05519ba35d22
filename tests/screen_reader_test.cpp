// What a screen reader is told of each screen: its window's name, a name for every group and
// everything read out, which window is in use, and the answer that Solution says.
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/access.h"

namespace {

using kit::PrintTo;

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

const char* const everyScreen[] = {"Titlefrm", "intro0",   "menu1", "menu2",       "menu3", "menu4",
                                   "menu5",    "hamilton", "surds", "reflections", "jotter"};

class ScreenReader : public AppTest {
protected:
    // Each control on view that a screen reader meets, a group included, says something, and
    // options are heard as the choices of a named group.
    void expectAllNamed(const std::string& name, const std::string& state) {
        const ui::Screen& s = screen(name);
        EXPECT_FALSE(blank(s.windowName())) << name;
        for (const auto& c : s.controls()) {
            const ui::Access a = ui::accessOf(s, *c);
            if (!kit::onView(*c) || a.role == ui::Role::Hidden || a.role == ui::Role::None)
                continue;
            EXPECT_FALSE(blank(a.name) && blank(a.text))
                << name << " " << state << ": " << c->name() << "(" << c->index() << ")";
            const bool inGroup = c->container() && c->container()->role() == ui::Role::Group;
            EXPECT_TRUE(a.role != ui::Role::RadioButton || inGroup) << name << " " << c->name();
        }
    }
};

// As each screen first shows, and again after each of its choices.
TEST_F(ScreenReader, EveryScreenNamesItsWindowItsGroupsAndWhatItReads) {
    for (const char* name : everyScreen) {
        registry.deliver([&] { registry.show(name); });
        expectAllNamed(name, "shown");
        for (const auto& c : screen(name).controls())
            if (c->kind() == ui::ControlKind::OptionButton && kit::onView(*c)) {
                clickOn(name, *c);
                expectAllNamed(name, "after " + c->caption());
            }
    }
}

// One step of a pupil's among windows.
struct Step {
    enum { Show, Activate, Unload, Click } what;
    const char* screen;
    const char* control = nullptr;
};

struct UseRow {
    const char* name;
    std::vector<Step> steps;
    const char* inUse;
};

const UseRow useRows[] = {
    {"JotterOverItsActivity",
     {{Step::Show, "menu1"}, {Step::Show, "hamilton"}, {Step::Click, "hamilton", "cmdjotter"}},
     "jotter"},
    {"PressedBehindTheJotter",
     {{Step::Show, "menu1"},
      {Step::Show, "hamilton"},
      {Step::Show, "jotter"},
      {Step::Activate, "hamilton"}},
     "hamilton"},
    {"JotterClosedWhileBehind",
     {{Step::Show, "menu1"},
      {Step::Show, "hamilton"},
      {Step::Show, "jotter"},
      {Step::Activate, "hamilton"},
      {Step::Unload, "jotter"}},
     "hamilton"},
    {"ActivityLeftWithItsJotter",
     {{Step::Show, "menu1"},
      {Step::Show, "surds"},
      {Step::Show, "jotter"},
      {Step::Activate, "surds"},
      {Step::Click, "surds", "cmdexit"}},
     "menu1"},
};

class WindowInUse : public ScreenReader, public ::testing::WithParamInterface<UseRow> {};

// The window in use is the one last shown or gone to; every other shown window is inert
// behind it.
TEST_P(WindowInUse, EveryOtherShownWindowIsInert) {
    for (const Step& step : GetParam().steps) {
        if (step.what == Step::Show) registry.deliver([&] { registry.show(step.screen); });
        if (step.what == Step::Activate) registry.windowActivated(screen(step.screen));
        if (step.what == Step::Unload) registry.deliver([&] { registry.unload(step.screen); });
        if (step.what == Step::Click) click(step.screen, step.control);
    }
    ASSERT_TRUE(shown(GetParam().inUse));
    for (const ui::Screen* s : registry.loadedScreens()) {
        if (s->shown()) {
            EXPECT_EQ(s->inert(), s->name() != GetParam().inUse) << s->name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Journeys, WindowInUse, ::testing::ValuesIn(useRows), kit::byName);

struct SolutionRow {
    const char* name;
    surd::Question question;
    const char* said;
};

class Solution : public ScreenReader, public ::testing::WithParamInterface<SolutionRow> {};

// The answer is said as it shows. Worked by hand, as the page shows them.
TEST_P(Solution, SaysTheAnswer) {
    registry.deliver([&] { registry.show("surds"); });
    kit::ask(registry, GetParam().question);
    click("surds", "cmdsoln");
    ASSERT_FALSE(platform.announced.empty());
    EXPECT_EQ(platform.announced.back(), std::string("surds: ") + GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Solution,
    ::testing::Values(
        SolutionRow{"RootOfFifty", surd::Kind1{1, 5}, "The answer is 5 root 2"},
        SolutionRow{"FiveOverRootThirteen", surd::Kind2{6, 5}, "The answer is 5 root 13 over 13"},
        SolutionRow{"OverASum", surd::Kind3{1, 3, 7}, "The answer is (3 minus root 7) over 2"},
        SolutionRow{"Brackets", surd::Kind4{1, 2, 3, 5}, "The answer is 13 plus 7 root 3"}),
    kit::byName);

}  // namespace
