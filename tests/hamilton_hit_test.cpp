#include "hamilton/graph.h"
#include "hamilton/graph_hit.h"
#include "hamilton/graph_solids.h"
#include "support/kit.h"

#include <gtest/gtest.h>
#include <ostream>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace hamiltonian {
namespace {

using kit::PrintTo;

std::vector<EdgeCentre> centresOf(int solidIndex) {
    return edgeCentres(drawSolid(solidIndex, geometryFor(solidIndex)).lines);
}

std::vector<int> clickOn(int solidIndex, double x, double y) {
    return linesUnderPoint(centresOf(solidIndex), hitTolerance(solidAt(solidIndex).solidName), x,
                           y);
}

bool hits(const std::vector<int>& lines, int line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct BoxEdgeRow {
    std::string name;
    int solid;
    int line;
    double dx;
    double dy;
    bool hit;
};

class HamiltonHitBoxEdgeTest : public testing::TestWithParam<BoxEdgeRow> {};

TEST_P(HamiltonHitBoxEdgeTest, OnlyStrictlyInsideHits) {
    const BoxEdgeRow& row = GetParam();
    const EdgeCentre centre = centresOf(row.solid)[static_cast<std::size_t>(row.line)];
    EXPECT_EQ(hits(clickOn(row.solid, centre.x + row.dx, centre.y + row.dy), row.line), row.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, HamiltonHitBoxEdgeTest,
    testing::Values(BoxEdgeRow{"tetrahedronRightEdge", tetrahedron, 1, 450, 0, false},
                    BoxEdgeRow{"tetrahedronLeftEdge", tetrahedron, 1, -450, 0, false},
                    BoxEdgeRow{"tetrahedronBottomEdge", tetrahedron, 1, 0, 450, false},
                    BoxEdgeRow{"tetrahedronTopEdge", tetrahedron, 1, 0, -450, false},
                    BoxEdgeRow{"tetrahedronInsideCorner", tetrahedron, 1, 449.5, -449.5, true},
                    BoxEdgeRow{"dodecahedronRightEdge", dodecahedron, 17, 450, 0, false},
                    BoxEdgeRow{"dodecahedronInsideCorner", dodecahedron, 17, -449.5, 449.5, true},
                    BoxEdgeRow{"icosahedronRightEdge", icosahedron, 10, 150, 0, false},
                    BoxEdgeRow{"icosahedronTopEdge", icosahedron, 10, 0, -150, false},
                    BoxEdgeRow{"icosahedronInsideCorner", icosahedron, 10, 149.5, 149.5, true},
                    BoxEdgeRow{"icosahedronBeyondSmallBox", icosahedron, 10, 200, 0, false}),
    kit::byName);

std::vector<int> clickBetween(int solidIndex, int a, int b) {
    const std::vector<EdgeCentre> centres = centresOf(solidIndex);
    const EdgeCentre& first = centres[static_cast<std::size_t>(a)];
    const EdgeCentre& second = centres[static_cast<std::size_t>(b)];
    return linesUnderPoint(centres, hitTolerance(solidAt(solidIndex).solidName),
                           (double{first.x} + second.x) / 2, (double{first.y} + second.y) / 2);
}

TEST(HamiltonHitBetweenTest, OctahedronLines3And4ShareOneClick) {
    EXPECT_EQ(clickBetween(octahedron, 3, 4), (std::vector<int>{3, 4}));
}

const std::vector<std::pair<int, int>> icosahedronCloseCentres{{3, 21}, {4, 28}, {5, 22},
                                                               {6, 29}, {7, 23}, {8, 27}};

class HamiltonIcosahedronPairTest : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(HamiltonIcosahedronPairTest, OneClickBetweenHitsBoth) {
    const auto [a, b] = GetParam();
    EXPECT_EQ(clickBetween(icosahedron, a, b), (std::vector<int>{a, b}));
}

INSTANTIATE_TEST_SUITE_P(CloseCentres, HamiltonIcosahedronPairTest,
                         testing::ValuesIn(icosahedronCloseCentres),
                         [](const testing::TestParamInfo<std::pair<int, int>>& info) {
                             return "lines" + std::to_string(info.param.first) + "and" +
                                    std::to_string(info.param.second);
                         });

// Two open squares of one size overlap exactly when the midpoint of their centres lies in both.
TEST(HamiltonHitBetweenTest, NoOtherIcosahedronLinesShareAClick) {
    const int edgeCount = solidAt(icosahedron).edgeCount;
    for (int a = 0; a < edgeCount; ++a) {
        for (int b = a + 1; b < edgeCount; ++b) {
            const bool listed =
                std::find(icosahedronCloseCentres.begin(), icosahedronCloseCentres.end(),
                          std::pair{a, b}) != icosahedronCloseCentres.end();
            const std::vector<int> lines = clickBetween(icosahedron, a, b);
            EXPECT_EQ(hits(lines, a) && hits(lines, b), listed) << "lines " << a << " and " << b;
        }
    }
}

// The middle of each graph lies clear of every line's box.
class HamiltonHitMiddleTest : public testing::TestWithParam<int> {};

TEST_P(HamiltonHitMiddleTest, ClickThereHitsNothing) {
    const int solid = GetParam();
    ASSERT_EQ(static_cast<int>(centresOf(solid).size()), solidAt(solid).edgeCount);
    const Geometry geometry = geometryFor(solid);
    EXPECT_EQ(clickOn(solid, geometry.centreX, geometry.centreY), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(AllSolids, HamiltonHitMiddleTest,
                         testing::Values(tetrahedron, cube, octahedron, icosahedron, dodecahedron),
                         [](const auto& info) { return kit::nameOf(info.param); });

}  // namespace
}  // namespace hamiltonian
