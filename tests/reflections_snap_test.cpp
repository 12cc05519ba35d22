#include <cstdlib>
#include <string>

#include "reflections/grid.h"
#include "reflections/reflections.h"
#include "reflections/snap.h"
#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using reflect::gridLine;

// Nearest of `count` lines by distance, a tie going to the later line.
int nearestByDistance(int centre, int count) {
    int best = 0;
    for (int i = 1; i < count; ++i)
        if (std::abs(centre - gridLine(i)) <= std::abs(centre - gridLine(best))) best = i;
    return best;
}

// From well outside the drawing area (8894 x 7260) on every side.
constexpr int firstTwip = -2000;
constexpr int lastTwip = 11000;

TEST(ReflectionsSnap, EveryTwipGoesToTheNearestLine) {
    for (int c = firstTwip; c <= lastTwip; ++c) {
        ASSERT_EQ(reflect::snapColumn(c), nearestByDistance(c, 17)) << "centre x " << c;
        ASSERT_EQ(reflect::snapRow(c), nearestByDistance(c, 15)) << "centre y " << c;
    }
}

// The tables are constants: the axes the design draws at x 4100 and y 3600 pass through (0, 0).
static_assert(reflect::gridTables.x(0) == 4100 && reflect::gridTables.y(0) == 3600);

TEST(ReflectionsSnap, EveryGridPointOfTheTablesSnapsToItself) {
    for (int x = reflect::gridMinX; x <= reflect::gridMaxX; ++x) {
        EXPECT_EQ(reflect::gridTables.x(x), gridLine(x - reflect::gridMinX)) << x;
        EXPECT_EQ(reflect::snapColumn(static_cast<int>(reflect::gridTables.x(x))),
                  x - reflect::gridMinX)
            << x;
    }
    for (int y = reflect::gridMinY; y <= reflect::gridMaxY; ++y) {
        EXPECT_EQ(reflect::gridTables.y(y), gridLine(reflect::gridMaxY - y)) << y;
        EXPECT_EQ(reflect::snapRow(static_cast<int>(reflect::gridTables.y(y))),
                  reflect::gridMaxY - y)
            << y;
    }
}

struct SnapCase {
    const char* name;
    int centre;
    int column;
    int row;
};

void PrintTo(const SnapCase& c, std::ostream* os) { *os << c.name << " at " << c.centre; }

class ReflectionsSnapEdge : public testing::TestWithParam<SnapCase> {};

TEST_P(ReflectionsSnapEdge, LandsOnItsLine) {
    EXPECT_EQ(reflect::snapColumn(GetParam().centre), GetParam().column);
    EXPECT_EQ(reflect::snapRow(GetParam().centre), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Edges, ReflectionsSnapEdge,
                         testing::Values(SnapCase{"justShortOfHalfWay", gridLine(3) + 249, 3, 3},
                                         SnapCase{"exactlyHalfWayGoesOn", gridLine(3) + 250, 4, 4},
                                         SnapCase{"homeColumn", 8450, 16, 14},
                                         SnapCase{"belowLastRowTopOfBand", 7100, 14, 14},
                                         SnapCase{"belowLastRowInBand", 7150, 14, 14},
                                         SnapCase{"belowLastRowBottomOfBand", 7187, 14, 14},
                                         SnapCase{"offTheTopLeft", -600, 0, 0}),
                         kit::byName);

// Releases through the screen: a cross dragged with the left button to a centre and let go.
class ReflectionsRelease : public AppTest {
protected:
    ReflectionsRelease() { registry.show("reflections"); }
    reflect::reflections& screen() {
        return registry.screenAs<reflect::reflections>("reflections");
    }
    ui::Control& picture() { return screen().control("Picturegraph"); }
    ui::Control& cross() { return screen().control("Labelblack"); }
    // Press on the cross, move to (x, y) in the drawing area, release there.
    void dropAt(int x, int y) {
        ui::Control& c = cross();
        const int px = c.left() + 100;
        const int py = c.top() + 180;
        pointerIn(picture(), ui::PointerAction::Press, ui::LeftButton, px, py);
        pointerIn(picture(), ui::PointerAction::Move, ui::LeftButton, x, y);
        pointerIn(picture(), ui::PointerAction::Release, ui::LeftButton, x, y);
    }
    int column() { return cross().left() + cross().width() / 2; }
    int row() { return cross().top() + cross().height() / 2; }
};

TEST_F(ReflectionsRelease, EveryDropAcrossEndsOnTheNearestColumn) {
    for (int x = firstTwip; x <= lastTwip; ++x) {
        dropAt(x, 3600);
        ASSERT_EQ(column(), gridLine(nearestByDistance(x, 17))) << "dropped at x " << x;
        ASSERT_EQ(row(), 3600) << "dropped at x " << x;
    }
}

TEST_F(ReflectionsRelease, EveryDropDownEndsOnTheNearestRow) {
    for (int y = firstTwip; y <= lastTwip; ++y) {
        dropAt(4100, y);
        ASSERT_EQ(row(), gridLine(nearestByDistance(y, 15))) << "dropped at y " << y;
        ASSERT_EQ(column(), 4100) << "dropped at y " << y;
    }
}

// A centre just below the last row, where the top edge is not yet past the row.
TEST_F(ReflectionsRelease, DropJustBelowTheLastRowLandsOnIt) {
    for (int y = 7100; y <= 7187; ++y) {
        dropAt(2600, y);
        ASSERT_EQ(row(), 7100) << y;
        ASSERT_EQ(cross().top(), 7100 - 187) << y;
    }
}

struct HomeCase {
    const char* cross;
    int gridY;
};

void PrintTo(const HomeCase& c, std::ostream* os) { *os << c.cross; }

class ReflectionsHomeRelease : public ReflectionsRelease,
                               public testing::WithParamInterface<HomeCase> {};

// Let go without moving: the cross goes to x = 8 in its own row.
TEST_P(ReflectionsHomeRelease, ReleaseAtHomeGoesToTheLastColumn) {
    ui::Control& c = screen().control(GetParam().cross);
    const int x = c.left() + 50, y = c.top() + 50;
    pointerIn(picture(), ui::PointerAction::Press, ui::RightButton, x, y);
    pointerIn(picture(), ui::PointerAction::Release, ui::RightButton, x, y);
    EXPECT_EQ(c.left() + 105, reflect::gridTables.x(8));
    EXPECT_EQ(c.top() + 187, reflect::gridTables.y(GetParam().gridY));
}

INSTANTIATE_TEST_SUITE_P(Crosses, ReflectionsHomeRelease,
                         testing::Values(HomeCase{"Labelred", 2}, HomeCase{"Labelblack", 1},
                                         HomeCase{"Labelblue", 0}, HomeCase{"Labelpink", -1}),
                         [](const auto& info) { return std::string(info.param.cross); });

}  // namespace
