// The keyboard, the blank key and what is said aloud, on the model.
#include <algorithm>
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "surds/surd_speech.h"

namespace {

using kit::PrintTo;

class KeyboardModel : public AppTest {
protected:
    // What a pupil can press: buttons, options and the tick box, and anything else that answers
    // a click or a key. Each is on view and enabled.
    static std::vector<const ui::Control*> pressable(const ui::Screen& s) {
        std::vector<const ui::Control*> all;
        for (const auto& c : s.controls()) {
            const bool kindActs = c->kind() == ui::ControlKind::Button ||
                                  c->kind() == ui::ControlKind::OptionButton ||
                                  c->kind() == ui::ControlKind::CheckBox;
            bool live = c->enabled();
            for (const ui::Control* k = c.get(); k; k = k->container())
                live = live && k->visible() && k->enabled();
            if (live && (kindActs || c->onClick || c->onKey)) all.push_back(c.get());
        }
        return all;
    }
    std::vector<const ui::Control*> cycle(const std::string& name, ui::Key k, std::size_t n) {
        std::vector<const ui::Control*> seen;
        for (std::size_t i = 0; i < n; ++i) {
            key(name, k);
            seen.push_back(screen(name).focused());
        }
        return seen;
    }
};

// Tab reaches everything a pupil can press once in a round, and Shift+Tab goes the same
// round backwards.
TEST_F(KeyboardModel, TabGoesOnceRoundWhatCanBePressedOnEveryScreen) {
    for (const char* name : {"Titlefrm", "intro0", "menu1", "menu2", "menu3", "menu4", "menu5",
                             "hamilton", "surds", "reflections", "jotter"}) {
        registry.deliver([&] { registry.show(name); });
        std::vector<const ui::Control*> expected = pressable(screen(name));
        ASSERT_FALSE(expected.empty()) << name;
        std::vector<const ui::Control*> forward = cycle(name, ui::Key::Tab, expected.size());
        std::vector<const ui::Control*> sorted = forward;
        std::sort(sorted.begin(), sorted.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(sorted, expected) << name;
        // A full round comes back to the first; backwards retraces it.
        EXPECT_EQ(cycle(name, ui::Key::Tab, 1).front(), forward.front()) << name;
        std::vector<const ui::Control*> backward = cycle(name, ui::Key::BackTab, forward.size());
        std::reverse(forward.begin(), forward.end());
        EXPECT_EQ(backward, forward) << name;
        EXPECT_TRUE(screen(name).focusShown()) << name;
    }
}

// What the design leaves out of the Tab order comes after its tab stops, not never; hidden,
// disabled and plain text are passed over.
TEST(TabOrder, TabStopsFirstThenTheRestInTheDesignsOrder) {
    // clang-format off
    const ui::ControlDesign rows[] = {
        {.kind = ui::ControlKind::Button, .name = "Toolbar", .tabStop = false},
        {.kind = ui::ControlKind::Label, .name = "Text", .caption = "words"},
        {.kind = ui::ControlKind::OptionButton, .name = "First"},
        {.kind = ui::ControlKind::Button, .name = "Hidden", .visible = false},
        {.kind = ui::ControlKind::Button, .name = "Greyed", .enabled = false},
        {.kind = ui::ControlKind::CheckBox, .name = "Second"},
    };
    // clang-format on
    FakePlatform platform;
    ui::Screen s{platform, "order", {.clientWidth = 1000, .clientHeight = 1000}, rows};
    std::string order;
    for (int i = 0; i < 4; ++i) {
        s.key(ui::Key::Tab);
        order += s.focused()->name() + " ";
    }
    EXPECT_EQ(order, "First Second Toolbar First ");
}

TEST_F(KeyboardModel, RingShowsFromAKeyOnTheFocusUntilThePointerPresses) {
    registry.deliver([&] { registry.show("hamilton"); });
    key("hamilton", ui::Key::PageDown);
    EXPECT_FALSE(screen("hamilton").focusShown());
    key("hamilton", ui::Key::Tab);
    EXPECT_TRUE(screen("hamilton").focusShown());
    mouseDown("hamilton", 10, 10);
    mouseUp("hamilton", 10, 10);
    EXPECT_FALSE(screen("hamilton").focusShown());
    EXPECT_NE(screen("hamilton").focused(), nullptr);
}

struct BlankRow {
    const char* name;
    ui::Key blankKey;
    bool endWithPointer;
};

class Blank : public KeyboardModel, public ::testing::WithParamInterface<BlankRow> {};

// Every window goes black, and what brings the lesson back does nothing else.
TEST_P(Blank, BlanksEveryWindowUntilAKeyOrPress) {
    registry.deliver([&] { registry.show("menu1"); });
    registry.deliver([&] { registry.show("hamilton"); });
    int presses = 0;
    screen("hamilton").control("cmdgo").onClick = [&presses](int) { ++presses; };
    key("hamilton", GetParam().blankKey);
    EXPECT_TRUE(screen("hamilton").blanked());
    EXPECT_TRUE(screen("menu1").blanked());
    if (GetParam().endWithPointer)
        clickOn("hamilton", screen("hamilton").control("cmdgo"));
    else
        key("hamilton", ui::Key::PageDown);
    EXPECT_FALSE(screen("hamilton").blanked());
    EXPECT_FALSE(screen("menu1").blanked());
    EXPECT_EQ(presses, 0);
    key("hamilton", ui::Key::PageDown);
    EXPECT_EQ(presses, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, Blank,
                         ::testing::Values(BlankRow{"BThenKey", ui::Key::B, false},
                                           BlankRow{"PeriodThenKey", ui::Key::Period, false},
                                           BlankRow{"BThenClick", ui::Key::B, true}),
                         kit::byName);

// Verdicts and new questions reach a screen reader as they appear.
TEST_F(KeyboardModel, VerdictsAndQuestionsAreAnnounced) {
    registry.deliver([&] { registry.show("hamilton"); });
    click("hamilton", "Cmdcheckit");
    registry.deliver([&] { registry.show("reflections"); });
    click("reflections", "cmdsoln");
    const std::vector<std::string>& said = platform.announced;
    auto heard = [&](const std::string& line) {
        return std::find(said.begin(), said.end(), line) != said.end();
    };
    EXPECT_TRUE(
        heard("hamilton: Find a Hamiltonian circuit on the tetrahedron, 4 vertices and 6 edges"));
    EXPECT_TRUE(heard("hamilton: Wrong, Try Again"));
    EXPECT_TRUE(heard("reflections: " + screen("reflections").control("Label3").caption()));
    EXPECT_TRUE(heard("reflections: Incorrect. Try again"));
    // Kept for a window that comes later.
    EXPECT_EQ(screen("hamilton").announcement(), "Wrong, Try Again");
}

struct SpeechRow {
    const char* name;
    surd::Question question;
    const char* spokenQuestion;
    const char* spokenAnswer;
};

class SurdSpeech : public ::testing::TestWithParam<SpeechRow> {};

TEST_P(SurdSpeech, ReadsAsItIsWritten) {
    EXPECT_EQ(surd::spokenQuestion(GetParam().question), GetParam().spokenQuestion);
    EXPECT_EQ(surd::spokenAnswer(GetParam().question), GetParam().spokenAnswer);
}

// Worked by hand: 4 over root 2 is 2 root 2; 1 over (2 - root 5) is -(2 + root 5).
INSTANTIATE_TEST_SUITE_P(
    Kinds, SurdSpeech,
    ::testing::Values(
        SpeechRow{"RootOfFifty", surd::Kind1{1, 5}, "root 50", "5 root 2"},
        SpeechRow{"FiveOverRootThirteen", surd::Kind2{6, 5}, "5 over root 13", "5 root 13 over 13"},
        SpeechRow{"DenominatorCancels", surd::Kind2{1, 4}, "4 over root 2", "2 root 2"},
        SpeechRow{"CoefficientOne", surd::Kind2{1, 2}, "2 over root 2", "root 2"},
        SpeechRow{"OverASum", surd::Kind3{1, 3, 7}, "1 over (3 plus root 7)",
                  "(3 minus root 7) over 2"},
        SpeechRow{"NegativeDenominator", surd::Kind3{2, 2, 5}, "1 over (2 minus root 5)",
                  "minus 2 minus root 5"},
        SpeechRow{"Brackets", surd::Kind4{1, 2, 3, 5}, "(2 plus root 3) times (5 plus root 3)",
                  "13 plus 7 root 3"},
        SpeechRow{"Puzzle", surd::Kind5{2, 3, 5, 7},
                  "Find an irrational number between 2 and 3, and between root 5 and root 7", ""}),
    kit::byName);

}  // namespace
