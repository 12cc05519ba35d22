#include <algorithm>
#include <array>
#include <string>

#include "app/colours.h"
#include "reflections/grid.h"
#include "reflections/reflections.h"
#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::drawPosition;
using kit::PrintTo;

constexpr std::array<const char*, 4> crossNames = {"Labelblack", "Labelpink", "Labelblue",
                                                   "Labelred"};
constexpr std::array<const char*, 4> discNames = {"Shapeblack", "Shapepink", "Shapeblue",
                                                  "Shapered"};

class ReflectionsScreen : public AppTest {
protected:
    ReflectionsScreen() { registry.show("reflections"); }
    reflect::reflections& screen() {
        return registry.screenAs<reflect::reflections>("reflections");
    }
    ui::Control& control(const std::string& name, int index = -1) {
        return screen().control(name, index);
    }
    ui::Control& cross(int k) { return control(crossNames.at(static_cast<std::size_t>(k))); }
    double centreX(const ui::Control& c) { return c.left() + c.width() / 2.0; }
    double centreY(const ui::Control& c) { return c.top() + c.height() / 2.0; }

    // Pointer input at a point of the drawing area.
    void inPicture(ui::PointerAction action, int button, int x, int y) {
        pointerIn(control("Picturegraph"), action, button, x, y);
    }
    // Press on cross k, move to (x, y) of the drawing area with `button` held, release.
    void drag(int k, int x, int y, int button = ui::LeftButton) {
        const ui::Control& c = cross(k);
        ASSERT_EQ(screen().controlAt(&control("Picturegraph"), c.left() + 105, c.top() + 187), &c);
        inPicture(ui::PointerAction::Press, button, c.left() + 105, c.top() + 187);
        inPicture(ui::PointerAction::Move, button, x, y);
        inPicture(ui::PointerAction::Release, button, x, y);
    }
    // Cross k onto grid point (x, y), with a few twips of slack as a hand gives it.
    void dragToPoint(int k, int x, int y) {
        drag(k, static_cast<int>(reflect::gridTables.x(x)) + 40,
             static_cast<int>(reflect::gridTables.y(y)) - 60);
    }
    void answer(const std::array<int, 4>& corners) {
        for (int k = 0; k < 4; ++k) {
            const reflect::Vertex v = screen().question().imagepoints[static_cast<std::size_t>(
                corners[static_cast<std::size_t>(k)])];
            dragToPoint(k, v.x, v.y);
        }
    }
    void chooseLevel(int level) { click("reflections", level == 1 ? "Option1" : "Option2"); }
    void tick(bool on) {
        if ((control("Check1").value() != 0) != on) click("reflections", "Check1");
    }
    std::string message() { return control("Label4").caption(); }
    bool messageShown() { return control("Label4").visible(); }
    bool lineShown() { return control("Line9").visible(); }
    void expectOutlineJoinsCrosses() {
        for (int k = 0; k < 4; ++k) {
            const ui::Control& l = control("Line" + std::to_string(5 + k));
            const ui::Control& from = cross(k);
            const ui::Control& to = cross((k + 1) % 4);
            EXPECT_EQ(l.x1(), centreX(from)) << k;
            EXPECT_EQ(l.y1(), centreY(from)) << k;
            EXPECT_EQ(l.x2(), centreX(to)) << k;
            EXPECT_EQ(l.y2(), centreY(to)) << k;
        }
    }
};

struct Family {
    const char* name;
    int count;
    // Ends of member i (lines) or its box and caption (numbers).
    double x1, y1, x2, y2;
    double dx, dy;  // step from one member to the next
};

class ReflectionsGridLines : public ReflectionsScreen,
                             public testing::WithParamInterface<Family> {};

TEST_P(ReflectionsGridLines, EveryMemberWhereTheConstructionPutsIt) {
    const Family& f = GetParam();
    for (int i = 0; i < f.count; ++i) {
        const ui::Control& l = control(f.name, i);
        EXPECT_TRUE(l.visible()) << i;
        EXPECT_EQ(l.x1(), f.x1 + f.dx * i) << i;
        EXPECT_EQ(l.y1(), f.y1 + f.dy * i) << i;
        EXPECT_EQ(l.x2(), f.x2 + f.dx * i) << i;
        EXPECT_EQ(l.y2(), f.y2 + f.dy * i) << i;
        EXPECT_EQ(l.foreColour(), control(f.name, 0).foreColour()) << i;
        // Behind every corner disc and cross.
        EXPECT_LT(drawPosition(l), drawPosition(control("Shapeblack"))) << i;
    }
    EXPECT_EQ(screen().find(f.name, f.count), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Construction, ReflectionsGridLines,
                         testing::Values(Family{"xcheck", 17, 100, 3480, 100, 3680, 500, 0},
                                         Family{"ycheck", 15, 3990, 100, 4210, 100, 0, 500},
                                         Family{"xgrid", 17, 100, 100, 100, 7110, 500, 0},
                                         Family{"ygrid", 15, 100, 100, 8090, 100, 0, 500}),
                         kit::byName);

TEST_F(ReflectionsScreen, NumbersReadAlongTheAxesAndTheTablesMatchTheTicks) {
    for (int i = 0; i <= 16; ++i) {
        const ui::Control& n = control("Label1", i);
        EXPECT_EQ(n.caption(), std::to_string(i - 8));
        EXPECT_EQ(n.left(), 45 + 500 * i);
        EXPECT_EQ(n.top(), 3720);
        EXPECT_TRUE(n.visible());
        EXPECT_EQ(reflect::gridTables.xpos[static_cast<std::size_t>(i)], control("xcheck", i).x1());
    }
    for (int j = 0; j <= 14; ++j) {
        const ui::Control& n = control("Label2", j);
        EXPECT_EQ(n.caption(), std::to_string(7 - j));
        EXPECT_EQ(n.left(), 3765);
        EXPECT_EQ(n.top(), 15 + 500 * j);
        EXPECT_EQ(reflect::gridTables.ypos[static_cast<std::size_t>(j)], control("ycheck", j).y1());
    }
}

TEST_F(ReflectionsScreen, OpensAtLevelOneWithTheCrossesHomeAndNothingShown) {
    EXPECT_EQ(screen().level(), 1);
    EXPECT_EQ(control("Option1").value(), 1);
    EXPECT_FALSE(control("Check1").visible());
    EXPECT_EQ(control("Check1").value(), 0);
    EXPECT_FALSE(lineShown());
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(screen().timer("tmrmessage").enabled());
    EXPECT_TRUE(control("Label3").caption() == "Show a reflection in the x-axis." ||
                control("Label3").caption() == "Show a reflection in the y-axis.");
    for (const char* name : {"Frame1", "Frame2", "Option1", "Option2", "Check1"})
        EXPECT_EQ(control(name).backColour(), boardBlue) << name;
    EXPECT_EQ(screen().backColour(), boardBlue);
    EXPECT_NE(control("cmdsoln").picture(), nullptr);
    const std::array<int, 4> homeRows = {3100, 4100, 3600, 2600};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(centreX(cross(k)), 8450) << k;
        EXPECT_EQ(centreY(cross(k)), homeRows[static_cast<std::size_t>(k)]) << k;
    }
    expectOutlineJoinsCrosses();
}

// The discs sit 10 right of and 20 below their grid points; the outline joins their centres.
TEST_F(ReflectionsScreen, ObjectOnItsCornersForManyQuestions) {
    for (int n = 0; n < 300; ++n) {
        platform.now += 7;
        click("reflections", "cmdgo");
        const reflect::VertexTable& points = screen().question().shape.shapepoints;
        for (std::size_t k = 0; k < 4; ++k) {
            const ui::Control& d = control(discNames[k]);
            EXPECT_NEAR(centreX(d), reflect::gridTables.x(points[k].x) + 10, 0.5);
            EXPECT_NEAR(centreY(d), reflect::gridTables.y(points[k].y) + 20, 0.5);
            const ui::Control& l = control("Line" + std::to_string(k + 1));
            const ui::Control& next = control(discNames[(k + 1) % 4]);
            EXPECT_EQ(l.x1(), centreX(d));
            EXPECT_EQ(l.y1(), centreY(d));
            EXPECT_EQ(l.x2(), centreX(next));
            EXPECT_EQ(l.y2(), centreY(next));
        }
    }
}

// Each cross on the image of its own corner is right; the same four points in other colours
// are not, nor is one cross left at home.
TEST_F(ReflectionsScreen, CheckIsTiedToTheColours) {
    for (int level : {1, 2}) {
        chooseLevel(level);
        for (int n = 0; n < 40; ++n) {
            platform.now += 13;
            click("reflections", "cmdgo");
            answer({0, 1, 2, 3});
            click("reflections", "cmdsoln");
            ASSERT_EQ(message(), "Well done") << control("Label3").caption();
            answer({1, 2, 3, 0});
            click("reflections", "cmdsoln");
            ASSERT_EQ(message(), "Incorrect. Try again") << control("Label3").caption();
            click("reflections", "cmdgo");
            for (int k = 0; k < 3; ++k) {
                const reflect::Vertex v =
                    screen().question().imagepoints[static_cast<std::size_t>(k)];
                dragToPoint(k, v.x, v.y);
            }
            click("reflections", "cmdsoln");
            ASSERT_EQ(message(), "Incorrect. Try again") << "the red cross still at home";
        }
    }
}

TEST_F(ReflectionsScreen, LeftDragMovesTheCrossAndItsOutlineLiveRightDragDoesNot) {
    ui::Control& c = cross(2);
    const int left = c.left(), top = c.top();
    inPicture(ui::PointerAction::Press, ui::RightButton, left + 105, top + 187);
    inPicture(ui::PointerAction::Move, ui::RightButton, 1000, 1000);
    EXPECT_EQ(c.left(), left);
    inPicture(ui::PointerAction::Release, ui::RightButton, 1000, 1000);

    inPicture(ui::PointerAction::Press, ui::LeftButton, c.left() + 105, c.top() + 187);
    inPicture(ui::PointerAction::Move, ui::LeftButton, 2333, 1234);
    EXPECT_EQ(c.left(), 2333 - 105);
    EXPECT_EQ(c.top(), 1234 - 187);
    expectOutlineJoinsCrosses();
    // Far off the drawing area, the pointer still belongs to the cross.
    inPicture(ui::PointerAction::Move, ui::LeftButton, -900, -700);
    EXPECT_EQ(centreX(c), -900);
    inPicture(ui::PointerAction::Release, ui::LeftButton, -900, -700);
    EXPECT_EQ(centreX(c), 100);
    EXPECT_EQ(centreY(c), 100);
    expectOutlineJoinsCrosses();
}

TEST_F(ReflectionsScreen, LevelsAndTheMirrorLineBox) {
    chooseLevel(2);
    EXPECT_EQ(screen().level(), 2);
    EXPECT_TRUE(control("Check1").visible());
    EXPECT_EQ(control("Check1").value(), 0);
    EXPECT_FALSE(lineShown());

    tick(true);
    EXPECT_TRUE(lineShown());
    const reflect::LineEnds put = *screen().question().mirrorLine;
    EXPECT_EQ(reflect::LineEnds({control("Line9").x1(), control("Line9").y1(),
                                 control("Line9").x2(), control("Line9").y2()}),
              put);

    // Next moves the shown line to the new question's mirror.
    for (int n = 0; n < 20; ++n) {
        click("reflections", "cmdgo");
        const ui::Control& l = control("Line9");
        EXPECT_TRUE(l.visible());
        EXPECT_EQ(reflect::LineEnds({l.x1(), l.y1(), l.x2(), l.y2()}),
                  *screen().question().mirrorLine);
    }

    chooseLevel(1);
    EXPECT_FALSE(control("Check1").visible());
    EXPECT_EQ(control("Check1").value(), 0);
    EXPECT_FALSE(lineShown());

    chooseLevel(2);
    EXPECT_TRUE(control("Check1").visible());
    EXPECT_EQ(control("Check1").value(), 0);
    EXPECT_FALSE(lineShown());
    tick(true);
    tick(false);
    EXPECT_FALSE(lineShown());
}

TEST_F(ReflectionsScreen, MessageShowsForThreeSecondsFromTheLatestCheck) {
    click("reflections", "cmdsoln");
    EXPECT_TRUE(messageShown());
    platform.advance(2000);
    click("reflections", "cmdsoln");
    platform.advance(2999);
    EXPECT_TRUE(messageShown());
    platform.advance(1);
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(screen().timer("tmrmessage").enabled());
    platform.advance(10000);
    EXPECT_FALSE(messageShown());
}

TEST_F(ReflectionsScreen, LeavingWhileTheMessageShowsLeavesNothingToFire) {
    click("reflections", "cmdjotter");
    click("reflections", "cmdsoln");
    click("reflections", "cmdexit");
    EXPECT_FALSE(registry.isLoaded("reflections"));
    EXPECT_FALSE(registry.isLoaded("jotter"));
    EXPECT_TRUE(shown("menu5"));
    EXPECT_TRUE(platform.timers.empty());
    const int events = platform.refreshes;
    platform.advance(5000);
    // Each event ends in a refresh: none came after leaving, and the menu stays.
    EXPECT_EQ(platform.refreshes, events);
    EXPECT_TRUE(shown("menu5"));
}

TEST_F(ReflectionsScreen, CloseBoxLeavesAsExitDoes) {
    click("reflections", "cmdjotter");
    registry.closeRequested(screen());
    EXPECT_FALSE(registry.isLoaded("reflections"));
    EXPECT_FALSE(registry.isLoaded("jotter"));
    EXPECT_TRUE(shown("menu5"));
}

}  // namespace
