#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/colours.h"
#include "hamilton/graph.h"
#include "hamilton/graph_solids.h"
#include "hamilton/hamilton.h"
#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::nameOf;
using kit::PrintTo;
using namespace hamiltonian;

constexpr ui::Colour lightCyan = basicColour(11);
constexpr ui::Colour chosenYellow = basicColour(14);

class HamiltonScreen : public AppTest {
protected:
    hamiltonian::hamilton& screen() { return registry.screenAs<hamiltonian::hamilton>("hamilton"); }
    ui::Control& line(int i) { return screen().control("Line1", i); }
    std::string verdict() { return screen().control("Label4").caption(); }
    bool verdictShown() { return screen().control("Label4").visible(); }
    bool timerOn() { return screen().timer("Timer2").enabled(); }

    // As the pupil picks a solid: a click on its option button.
    void choose(int solid) { click("hamilton", "Option" + std::to_string(solid + 1)); }
    void press(double x, double y) {
        const int px = static_cast<int>(std::floor(x));
        const int py = static_cast<int>(std::floor(y));
        mouseDown("hamilton", px, py);
        mouseUp("hamilton", px, py);
    }
    void pressCentre(int i) {
        const ui::Control& l = line(i);
        press((l.x1() + l.x2()) / 2, (l.y1() + l.y2()) / 2);
    }
    // Clicks each line's centre, insisting that the click toggled that line alone.
    void pick(const std::vector<int>& lines) {
        for (int i : lines) {
            const std::vector<int> before = screen().edgeSelected();
            pressCentre(i);
            std::vector<int> expected = before;
            expected[static_cast<std::size_t>(i)] = 1 - expected[static_cast<std::size_t>(i)];
            ASSERT_EQ(screen().edgeSelected(), expected) << "the click on line " << i;
        }
    }
    std::set<int> selectedLines() {
        std::set<int> lines;
        for (std::size_t i = 0; i < screen().edgeSelected().size(); ++i)
            if (screen().edgeSelected()[i] == 1) lines.insert(static_cast<int>(i));
        return lines;
    }
};

// Drawing: each solid, chosen after another so that nothing of the earlier one survives.

struct DrawRow {
    int solid;
    int before;
    double centreY;
    double outerRadius;
};
// Rows print as their names, so failures and ctest's list read as words.
void PrintTo(const DrawRow& r, std::ostream* os) { *os << nameOf(r.solid); }

class HamiltonDrawTest : public HamiltonScreen, public testing::WithParamInterface<DrawRow> {};

TEST_P(HamiltonDrawTest, LinesAreTheGraphWithNothingChosen) {
    const DrawRow& row = GetParam();
    choose(row.before);
    click("hamilton", "cmdsoln");
    choose(row.solid);

    EXPECT_EQ(screen().geometry().centreX, 6000);
    EXPECT_EQ(screen().geometry().centreY, row.centreY);
    EXPECT_EQ(screen().geometry().outerRadius, row.outerRadius);
    const Graph graph = drawSolid(row.solid, geometryFor(row.solid));
    const int edges = solidAt(row.solid).edgeCount;
    for (int i = 0; i <= 30; ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        const ui::Control& l = line(i);
        EXPECT_EQ(l.borderWidth(), 8);
        if (i >= edges) {
            EXPECT_FALSE(l.visible());
            continue;
        }
        const Line& drawn = graph.lines[static_cast<std::size_t>(i)];
        EXPECT_TRUE(l.visible());
        EXPECT_EQ(l.x1(), drawn.x1);
        EXPECT_EQ(l.y1(), drawn.y1);
        EXPECT_EQ(l.x2(), drawn.x2);
        EXPECT_EQ(l.y2(), drawn.y2);
        EXPECT_EQ(l.foreColour(), lightCyan);
    }
    EXPECT_TRUE(selectedLines().empty());
}

INSTANTIATE_TEST_SUITE_P(AllSolids, HamiltonDrawTest,
                         testing::Values(DrawRow{tetrahedron, dodecahedron, 5400, 3150},
                                         DrawRow{cube, icosahedron, 5400, 3150},
                                         DrawRow{octahedron, dodecahedron, 5400, 3150},
                                         DrawRow{icosahedron, dodecahedron, 5400, 3150},
                                         DrawRow{dodecahedron, icosahedron, 5175, 3090}),
                         [](const auto& info) { return nameOf(info.param.solid); });

TEST_F(HamiltonScreen, LoadsWithTheTetrahedronAndNoVerdict) {
    registry.show("hamilton");
    EXPECT_EQ(screen().caption(), "Hamiltonian Circuits");
    EXPECT_EQ(screen().backColour(), standardBlue);
    EXPECT_EQ(screen().control("Frame1").backColour(), boardBlue);
    EXPECT_EQ(screen().control("Option5").backColour(), boardBlue);
    EXPECT_EQ(screen().control("Option1").value(), 1);
    EXPECT_EQ(screen().solidIndex(), tetrahedron);
    EXPECT_TRUE(line(5).visible());
    EXPECT_FALSE(line(6).visible());
    EXPECT_FALSE(verdictShown());
    EXPECT_FALSE(timerOn());
}

// Stored circuits: the clock seeds the draw, so each clock value below names one rotation.

struct SolutionRow {
    int solid;
    int k;
    std::uint64_t clock;
    std::set<int> removed;
};
void PrintTo(const SolutionRow& r, std::ostream* os) { *os << nameOf(r.solid) << "_k" << r.k; }

class HamiltonSolutionTest : public HamiltonScreen,
                             public testing::WithParamInterface<SolutionRow> {};

TEST_P(HamiltonSolutionTest, ShowsItsRotationAndChecksCorrect) {
    const SolutionRow& row = GetParam();
    choose(row.solid);
    pick({0});
    registry.random().fraction();  // an earlier draw must not matter: the clock reseeds
    platform.now = row.clock;
    click("hamilton", "cmdsoln");

    const int edges = solidAt(row.solid).edgeCount;
    long backmostChosen = 1 << 20;
    long frontmostLeftOut = -1;
    for (int i = 0; i < edges; ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        const bool leftOut = row.removed.contains(i);
        EXPECT_EQ(screen().edgeSelected()[static_cast<std::size_t>(i)], leftOut ? 0 : 1);
        EXPECT_EQ(line(i).foreColour(), leftOut ? lightCyan : chosenYellow);
        if (leftOut)
            frontmostLeftOut = std::max(frontmostLeftOut, kit::drawPosition(line(i)));
        else
            backmostChosen = std::min(backmostChosen, kit::drawPosition(line(i)));
    }
    EXPECT_LT(frontmostLeftOut, backmostChosen) << "the circuit is drawn over the other lines";

    click("hamilton", "Cmdcheckit");
    EXPECT_EQ(verdict(), "Correct, Well Done!");
}

INSTANTIATE_TEST_SUITE_P(
    AllRotations, HamiltonSolutionTest,
    testing::Values(
        SolutionRow{tetrahedron, 0, 1000, {0, 5}}, SolutionRow{tetrahedron, 1, 1003, {1, 3}},
        SolutionRow{tetrahedron, 2, 1002, {2, 4}}, SolutionRow{cube, 0, 1000, {0, 4, 10, 11}},
        SolutionRow{cube, 1, 1001, {1, 5, 8, 11}}, SolutionRow{cube, 2, 1003, {2, 6, 8, 9}},
        SolutionRow{cube, 3, 1002, {3, 7, 9, 10}},
        SolutionRow{octahedron, 0, 1000, {0, 4, 6, 8, 10, 11}},
        SolutionRow{octahedron, 1, 1003, {1, 5, 6, 7, 9, 11}},
        SolutionRow{octahedron, 2, 1002, {2, 3, 7, 8, 9, 10}},
        SolutionRow{icosahedron,
                    0,
                    1000,
                    {1, 4, 6, 10, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}},
        SolutionRow{icosahedron,
                    1,
                    1003,
                    {2, 6, 8, 11, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28}},
        SolutionRow{icosahedron,
                    2,
                    1002,
                    {0, 4, 8, 9, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 29}},
        SolutionRow{dodecahedron, 0, 1012, {0, 5, 13, 19, 22, 23, 24, 26, 27, 28}},
        SolutionRow{dodecahedron, 1, 1000, {1, 5, 7, 15, 20, 23, 24, 27, 28, 29}},
        SolutionRow{dodecahedron, 2, 1006, {2, 7, 9, 16, 20, 21, 24, 25, 28, 29}},
        SolutionRow{dodecahedron, 3, 1003, {3, 9, 11, 17, 20, 21, 22, 25, 26, 29}},
        SolutionRow{dodecahedron, 4, 1002, {4, 11, 13, 18, 21, 22, 23, 25, 26, 27}}),
    [](const auto& info) {
        return nameOf(info.param.solid) + "_k" + std::to_string(info.param.k);
    });

// Clicks: every line whose square box strictly holds the point toggles.

struct ClickRow {
    std::string name;
    int solid;
    int line;  // the clicks are offsets from this line's centre
    std::vector<std::pair<double, double>> offsets;
    std::set<int> chosen;
};

class HamiltonClickTest : public HamiltonScreen, public testing::WithParamInterface<ClickRow> {};

TEST_P(HamiltonClickTest, TogglesTheLinesWhoseBoxHoldsThePoint) {
    const ClickRow& row = GetParam();
    choose(row.solid);
    const ui::Control& l = line(row.line);
    for (const auto& [dx, dy] : row.offsets)
        press((l.x1() + l.x2()) / 2 + dx, (l.y1() + l.y2()) / 2 + dy);
    EXPECT_EQ(selectedLines(), row.chosen);
    for (int i = 0; i < solidAt(row.solid).edgeCount; ++i)
        EXPECT_EQ(line(i).foreColour(), row.chosen.contains(i) ? chosenYellow : lightCyan) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, HamiltonClickTest,
    testing::Values(ClickRow{"onTheCentre", tetrahedron, 5, {{0, 0}}, {5}},
                    ClickRow{"justInside", tetrahedron, 5, {{449, -449}}, {5}},
                    ClickRow{"toleranceRight", tetrahedron, 5, {{450, 0}}, {}},
                    ClickRow{"toleranceLeft", tetrahedron, 5, {{-450, 0}}, {}},
                    ClickRow{"toleranceBelow", tetrahedron, 5, {{0, 450}}, {}},
                    ClickRow{"toleranceAbove", tetrahedron, 5, {{0, -450}}, {}},
                    ClickRow{
                        "dodecahedronTolerance", dodecahedron, 25, {{0, 450}, {0, -449}}, {25}},
                    ClickRow{"icosahedronSmallBox", icosahedron, 4, {{150, 0}, {0, -150}}, {}},
                    ClickRow{"icosahedronJustInside", icosahedron, 4, {{149, 149}}, {4}},
                    // Centres (6454.5, 5662.5) and (5999.5, 4874.5): the midpoint is in both boxes.
                    ClickRow{"octahedronBetween3And4", octahedron, 3, {{-227.5, -394}}, {3, 4}},
                    // Lines 3 and 21 of the icosahedron lie closer than twice the small box.
                    ClickRow{"icosahedronBetween3And21", icosahedron, 3, {{0, -131.25}}, {3, 21}},
                    ClickRow{"twiceIsOff", cube, 8, {{0, 0}, {0, 0}}, {}}),
    kit::byName);

TEST_F(HamiltonScreen, ChosenLineInFrontAndUnchosenAtTheBack) {
    choose(cube);
    pressCentre(2);
    EXPECT_EQ(kit::drawPosition(line(2)), static_cast<long>(screen().controls().size()) - 1);
    pressCentre(2);
    EXPECT_EQ(line(2).foreColour(), lightCyan);
    EXPECT_EQ(kit::drawPosition(line(2)), 0);
}

// The check and its verdict.

struct CheckRow {
    std::string name;
    int solid;
    std::vector<int> picked;
    std::string verdict;
};

class HamiltonCheckTest : public HamiltonScreen, public testing::WithParamInterface<CheckRow> {};

TEST_P(HamiltonCheckTest, JudgesTheSelection) {
    const CheckRow& row = GetParam();
    choose(row.solid);
    pick(row.picked);
    click("hamilton", "Cmdcheckit");
    EXPECT_EQ(verdict(), row.verdict);
    EXPECT_TRUE(verdictShown());
    EXPECT_TRUE(timerOn());
}

INSTANTIATE_TEST_SUITE_P(
    Selections, HamiltonCheckTest,
    testing::Values(
        CheckRow{"nothing", tetrahedron, {}, "Wrong, Try Again"},
        CheckRow{"tetrahedronCircuit", tetrahedron, {1, 2, 3, 4}, "Correct, Well Done!"},
        CheckRow{"cubeCircuit", cube, {1, 2, 3, 5, 6, 7, 8, 9}, "Correct, Well Done!"},
        CheckRow{"cubeCircuitAndOneMore", cube, {1, 2, 3, 5, 6, 7, 8, 9, 0}, "Wrong, Try Again"},
        // Two vertices each, yet two separate squares: no circuit through every vertex.
        CheckRow{"cubeTwoSquares", cube, {0, 1, 2, 3, 4, 5, 6, 7}, "Wrong, Try Again"},
        CheckRow{"octahedronTwoTriangles", octahedron, {0, 1, 2, 6, 7, 8}, "Wrong, Try Again"},
        CheckRow{"icosahedronThreeRings",
                 icosahedron,
                 {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                 "Wrong, Try Again"}),
    kit::byName);

TEST_F(HamiltonScreen, VerdictGoesAfterTwoSecondsOnce) {
    click("hamilton", "Cmdcheckit");
    platform.advance(1999);
    EXPECT_TRUE(verdictShown());
    platform.advance(1);
    EXPECT_FALSE(verdictShown());
    EXPECT_FALSE(timerOn());
    click("hamilton", "Cmdcheckit");
    EXPECT_TRUE(verdictShown());
}

// The pupil who mends a wrong answer at once must see the new verdict for its whole time.
TEST_F(HamiltonScreen, CheckWhileVerdictShowsRestartsItsTwoSeconds) {
    click("hamilton", "Cmdcheckit");
    platform.advance(1500);
    click("hamilton", "Cmdcheckit");
    platform.advance(1999);
    EXPECT_TRUE(verdictShown());
    platform.advance(1);
    EXPECT_FALSE(verdictShown());
}

TEST_F(HamiltonScreen, SecondCheckReplacesTheText) {
    click("hamilton", "Cmdcheckit");
    click("hamilton", "cmdsoln");
    click("hamilton", "Cmdcheckit");
    EXPECT_EQ(verdict(), "Correct, Well Done!");
    pressCentre(0);
    click("hamilton", "Cmdcheckit");
    EXPECT_EQ(verdict(), "Wrong, Try Again");
    EXPECT_TRUE(verdictShown());
}

enum class Dismiss { next, solution, anotherSolid };

std::string dismissName(Dismiss d) {
    switch (d) {
        case Dismiss::next: return "next";
        case Dismiss::solution: return "solution";
        case Dismiss::anotherSolid: break;
    }
    return "anotherSolid";
}
void PrintTo(Dismiss d, std::ostream* os) { *os << dismissName(d); }

class HamiltonDismissTest : public HamiltonScreen, public testing::WithParamInterface<Dismiss> {};

TEST_P(HamiltonDismissTest, HidesTheVerdictAtOnce) {
    pressCentre(0);
    click("hamilton", "Cmdcheckit");
    switch (GetParam()) {
        case Dismiss::next: click("hamilton", "cmdgo"); break;
        case Dismiss::solution: click("hamilton", "cmdsoln"); break;
        case Dismiss::anotherSolid: choose(cube); break;
    }
    EXPECT_FALSE(verdictShown());
    EXPECT_FALSE(timerOn());
    platform.advance(5000);
    EXPECT_FALSE(verdictShown());
}

INSTANTIATE_TEST_SUITE_P(Actions, HamiltonDismissTest,
                         testing::Values(Dismiss::next, Dismiss::solution, Dismiss::anotherSolid),
                         [](const auto& info) { return dismissName(info.param); });

TEST_F(HamiltonScreen, NextStartsTheSameSolidAfresh) {
    choose(icosahedron);
    click("hamilton", "cmdsoln");
    click("hamilton", "cmdgo");
    EXPECT_EQ(screen().solidIndex(), icosahedron);
    EXPECT_TRUE(selectedLines().empty());
    EXPECT_EQ(line(29).foreColour(), lightCyan);
    EXPECT_TRUE(line(29).visible());
}

// Coming and going.

TEST_F(HamiltonScreen, JotterOpensOverTheActivity) {
    registry.show("hamilton");
    click("hamilton", "cmdjotter");
    EXPECT_TRUE(shown("jotter"));
    EXPECT_TRUE(shown("hamilton"));
}

TEST_F(HamiltonScreen, ExitOrCloseBoxClosesTheJotterAndReturnsToTheMenu) {
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "exit button");
        registry.show("menu1");
        registry.show("hamilton");
        click("hamilton", "cmdjotter");
        if (closeBox)
            registry.closeRequested(registry.screen("hamilton"));
        else
            click("hamilton", "cmdexit");
        EXPECT_FALSE(registry.isLoaded("jotter"));
        EXPECT_FALSE(registry.isLoaded("hamilton"));
        EXPECT_TRUE(shown("menu1"));
    }
}

TEST_F(HamiltonScreen, UnloadedWhileTheVerdictShowsNothingFires) {
    registry.show("menu1");
    const std::size_t menuTimers = platform.timers.size();
    registry.show("hamilton");
    click("hamilton", "Cmdcheckit");
    click("hamilton", "cmdexit");
    EXPECT_EQ(platform.timers.size(), menuTimers);
    platform.advance(5000);
    EXPECT_FALSE(registry.isLoaded("hamilton"));
}

}  // namespace
