#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "app/colours.h"
#include "support/app_fixture.h"
#include "support/kit.h"
#include "surds/surds.h"

namespace {

using namespace surd;

const char* const answerBoxes[] = {"Frame2", "Frame5", "Frame6", "Frame7", "Frame9", "Frame11"};
const char* const questionBoxes[] = {"Frame3", "Frame4", "Frame8", "Frame10", "Frame12"};

bool squareFree(int v) {
    for (int f = 2; f * f <= v; ++f)
        if (v % (f * f) == 0) return false;
    return true;
}

class SurdsScreen : public AppTest {
protected:
    SurdsScreen() {
        registry.deliver([&] { registry.show("surds"); });
    }
    surds& screen() { return registry.screenAs<surds>("surds"); }
    const std::string& text(const char* label) { return screen().control(label).caption(); }
    int number(const char* label) { return std::stoi(text(label)); }
    double root(const char* label) { return std::sqrt(number(label)); }
    bool seen(const char* name, int index = -1) {
        return kit::onView(screen().control(name, index));
    }
    bool bar(int i) { return seen("Line1", i); }
    int barsSeen(std::initializer_list<int> bars) {
        return static_cast<int>(
            std::count_if(bars.begin(), bars.end(), [&](int i) { return bar(i); }));
    }
    std::vector<std::string> boxesSeen(std::span<const char* const> boxes) {
        std::vector<std::string> names;
        for (const char* b : boxes)
            if (screen().control(b).visible()) names.emplace_back(b);
        return names;
    }
    void solve() { click("surds", "cmdsoln"); }
    void choose(int kind) { click("surds", "Option" + std::to_string(kind)); }
    int top(const char* button) { return screen().control(button).top(); }
};

void expectSameValue(double answer, double question) {
    EXPECT_NEAR(answer, question, 1e-9 * std::max(1.0, std::abs(question)));
}

// Every question each kind can ask: the answer shown equals the question in value, in the
// box, bars and height its form needs, with no square factor left under a root.

TEST_F(SurdsScreen, EveryKind1AnswerIsTheQuestionSimplified) {
    for (int c = 1; c <= 9; ++c)
        for (int n = 2; n <= kind1Limit(c); ++n) {
            SCOPED_TRACE("case " + std::to_string(c) + ", n " + std::to_string(n));
            kit::ask(registry, Kind1{c, n});
            EXPECT_EQ(boxesSeen(questionBoxes), std::vector<std::string>{"Frame3"});
            EXPECT_EQ(barsSeen({7, 8, 0, 42}), 1);
            EXPECT_TRUE(boxesSeen(answerBoxes).empty()) << "hidden until asked for";
            solve();
            EXPECT_EQ(boxesSeen(answerBoxes), std::vector<std::string>{"Frame2"});
            EXPECT_EQ(barsSeen({6, 3}), 1);
            expectSameValue(number("Label3") * root("Label2"), root("Label1"));
            EXPECT_TRUE(squareFree(number("Label2")));
        }
}

TEST_F(SurdsScreen, EveryKind2AnswerHasARationalDenominatorInLowestTerms) {
    for (int c = 1; c <= 9; ++c)
        for (int a = 1; a <= 9; ++a) {
            SCOPED_TRACE("case " + std::to_string(c) + ", a " + std::to_string(a));
            kit::ask(registry, Kind2{c, a});
            EXPECT_TRUE(bar(17) && bar(9));
            const double question = number("Label5") / root("Label4");
            solve();
            const std::vector<std::string> boxes = boxesSeen(answerBoxes);
            ASSERT_EQ(boxes.size(), 1u);
            int coefficient = 1, radicand = 0, denominator = 1;
            if (boxes[0] == "Frame6") {
                EXPECT_TRUE(bar(18));
                EXPECT_EQ(barsSeen({19, 47}), 1);
                radicand = number("Label11");
                denominator = number("Label9");
            } else if (boxes[0] == "Frame7") {
                EXPECT_TRUE(bar(26));
                radicand = number("Label10");
            } else {
                ASSERT_EQ(boxes[0], "Frame5");
                EXPECT_EQ(barsSeen({15, 48}), 1);
                const bool fraction = bar(16);
                EXPECT_EQ(seen("Label8"), fraction);
                EXPECT_EQ(screen().control("Frame5").height(), fraction ? 2370 : 1470);
                coefficient = number("Label6");
                radicand = number("Label7");
                if (fraction) denominator = number("Label8");
            }
            expectSameValue(coefficient * std::sqrt(radicand) / denominator, question);
            EXPECT_TRUE(squareFree(radicand));
            EXPECT_EQ(std::gcd(coefficient, denominator), 1) << "in lowest terms";
        }
}

TEST_F(SurdsScreen, EveryKind3AnswerHasARationalDenominator) {
    for (int c = 1; c <= 2; ++c)
        for (int a = 1; a <= 9; ++a)
            for (int b : {2, 3, 5, 7, 11, 13, 15, 17, 19}) {
                SCOPED_TRACE("case " + std::to_string(c) + ", a " + std::to_string(a) + ", b " +
                             std::to_string(b));
                kit::ask(registry, Kind3{c, a, b});
                EXPECT_EQ(text("Label12"), "1");
                const double sign = text("Label15") == "+" ? 1 : -1;
                const double question = 1 / (number("Label14") + sign * root("Label13"));
                solve();
                EXPECT_EQ(boxesSeen(answerBoxes), std::vector<std::string>{"Frame9"});
                EXPECT_TRUE(bar(34));
                const bool fraction = bar(35);
                EXPECT_EQ(screen().control("Frame9").height(), fraction ? 2670 : 1470);
                const int denominator = fraction ? number("Label17") : 1;
                if (fraction)
                    EXPECT_GT(denominator, 1);
                else
                    EXPECT_EQ(text("Label17"), "");
                const double answerSign = text("Label20") == "+" ? 1 : -1;
                expectSameValue((number("Label18") + answerSign * root("Label16")) / denominator,
                                question);
                EXPECT_TRUE(squareFree(number("Label16")));
            }
}

TEST_F(SurdsScreen, EveryKind4AnswerIsTheBracketsMultipliedOut) {
    for (int c = 1; c <= 4; ++c)
        for (int a = 1; a <= 9; ++a)
            for (int b = 2; b <= 8; ++b)
                for (int e = 1; e <= 9; ++e) {
                    const Kind4 q{c, a, b, e};
                    if (!kind4Allows(q)) continue;
                    SCOPED_TRACE("case " + std::to_string(c) + ", a " + std::to_string(a) + ", b " +
                                 std::to_string(b) + ", e " + std::to_string(e));
                    kit::ask(registry, q);
                    const double s1 = text("Label21") == "+" ? 1 : -1;
                    const double s2 = text("Label25") == "+" ? 1 : -1;
                    const double question = (number("Label22") + s1 * root("Label23")) *
                                            (number("Label26") + s2 * root("Label27"));
                    solve();
                    EXPECT_EQ(boxesSeen(answerBoxes), std::vector<std::string>{"Frame11"});
                    EXPECT_TRUE(bar(43));
                    int rational = 0, coefficient = 0;
                    char sign = '?';
                    ASSERT_EQ(std::sscanf(text("Label28").c_str(), "%d %c %d", &rational, &sign,
                                          &coefficient),
                              3)
                        << text("Label28");
                    EXPECT_NE(rational, 0);
                    EXPECT_GT(coefficient, 0);
                    EXPECT_EQ(text("Label28"), std::to_string(rational) + " " + sign + " " +
                                                   std::to_string(coefficient));
                    const double surdSign = sign == '+' ? 1 : -1;
                    expectSameValue(rational + surdSign * coefficient * root("Label29"), question);
                    EXPECT_TRUE(squareFree(number("Label29")));
                }
}

// The buttons: a column of solution, jotter and next at the lower right; for puzzles, the
// jotter alone level with exit.

TEST_F(SurdsScreen, LoadsWithASimplifyingQuestionAndTheColumnOfButtons) {
    EXPECT_EQ(screen().backColour(), boardBlue);
    EXPECT_EQ(screen().control("Frame12").backColour(), boardBlue);
    EXPECT_TRUE(std::holds_alternative<Kind1>(screen().question()));
    EXPECT_EQ(screen().control("Option1").value(), 1);
    EXPECT_EQ(text("Label19"), "Simplify...");
    EXPECT_EQ(boxesSeen(questionBoxes), std::vector<std::string>{"Frame3"});
    for (const char* b : {"cmdgo", "cmdjotter", "cmdsoln", "cmdexit"}) {
        EXPECT_TRUE(seen(b)) << b;
        EXPECT_FALSE(screen().control(b).tabStop()) << b;
    }
    EXPECT_EQ(top("cmdgo"), 7950);
    EXPECT_EQ(top("cmdjotter"), 7395);
    EXPECT_EQ(top("cmdsoln"), 6840);
    EXPECT_EQ(top("cmdexit"), 7950);
    for (const char* b : {"cmdgo", "cmdjotter", "cmdsoln"})
        EXPECT_EQ(screen().control(b).left(), 10050) << b;
    EXPECT_EQ(screen().control("cmdexit").left(), 60);
}

struct KindRow {
    int kind;
    const char* heading;
    const char* box;
};
void PrintTo(const KindRow& r, std::ostream* os) { *os << "kind" << r.kind; }

class SurdsAfterPuzzles : public SurdsScreen, public testing::WithParamInterface<KindRow> {};

TEST_P(SurdsAfterPuzzles, AnotherKindBringsTheButtonsBack) {
    const KindRow& row = GetParam();
    choose(5);
    EXPECT_FALSE(seen("cmdgo"));
    EXPECT_FALSE(seen("cmdsoln"));
    EXPECT_EQ(top("cmdjotter"), 7950);
    EXPECT_EQ(text("Label19"), "");
    choose(row.kind);
    EXPECT_EQ(screen().question().index(), static_cast<std::size_t>(row.kind - 1));
    EXPECT_EQ(text("Label19"), row.heading);
    EXPECT_EQ(boxesSeen(questionBoxes), std::vector<std::string>{row.box});
    EXPECT_TRUE(seen("cmdgo") && seen("cmdsoln"));
    EXPECT_EQ(top("cmdgo"), 7950);
    EXPECT_EQ(top("cmdjotter"), 7395);
    EXPECT_EQ(top("cmdsoln"), 6840);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SurdsAfterPuzzles,
                         testing::Values(KindRow{1, "Simplify...", "Frame3"},
                                         KindRow{2, "Rationalise the denominator...", "Frame4"},
                                         KindRow{3, "Rationalise the denominator...", "Frame8"},
                                         KindRow{4, "Simplify...", "Frame10"}),
                         [](const auto& info) { return "kind" + std::to_string(info.param.kind); });

// Next makes a new question of the same kind from the clock, and hides the last answer.
TEST_F(SurdsScreen, NextIsANewQuestionOfTheSameKindSeededByTheClock) {
    choose(4);
    solve();
    platform.now = 5000;
    click("surds", "cmdgo");
    const std::string first = text("Label22") + text("Label23") + text("Label26");
    EXPECT_TRUE(boxesSeen(answerBoxes).empty());
    EXPECT_EQ(boxesSeen(questionBoxes), std::vector<std::string>{"Frame10"});
    registry.random().fraction();  // an earlier draw must not matter: the clock reseeds
    click("surds", "cmdgo");
    EXPECT_EQ(text("Label22") + text("Label23") + text("Label26"), first);
}

// The exit button and the window's close box alike.
TEST_F(SurdsScreen, LeavingClosesTheJotterAndShowsMenu1) {
    for (bool closeBox : {false, true}) {
        registry.deliver([&] { registry.show("surds"); });
        click("surds", "cmdjotter");
        EXPECT_TRUE(shown("jotter") && shown("surds"));
        if (closeBox)
            registry.deliver([&] { registry.closeRequested(screen()); });
        else
            click("surds", "cmdexit");
        EXPECT_FALSE(registry.isLoaded("jotter"));
        EXPECT_FALSE(registry.isLoaded("surds"));
        EXPECT_TRUE(shown("menu1"));
    }
}

}  // namespace
