#include "hamilton/circuit_check.h"
#include "hamilton/circuit_stored.h"
#include "hamilton/graph.h"
#include "hamilton/graph_solids.h"
#include "support/kit.h"

#include <gtest/gtest.h>
#include <ostream>

#include <algorithm>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace hamiltonian {
namespace {

using kit::nameOf;
using kit::PrintTo;

Graph drawn(int solidIndex) { return drawSolid(solidIndex, geometryFor(solidIndex)); }

std::vector<int> selectedLines(const std::vector<int>& edgeSelected) {
    std::vector<int> lines;
    for (std::size_t i = 0; i < edgeSelected.size(); ++i)
        if (edgeSelected[i] == 1) lines.push_back(static_cast<int>(i));
    return lines;
}

// The screen keeps 31 flags whatever the solid.
std::vector<int> screenSelection(const std::vector<int>& lines) {
    std::vector<int> edgeSelected(31, 0);
    for (int line : lines) edgeSelected[static_cast<std::size_t>(line)] = 1;
    return edgeSelected;
}

std::vector<int> degrees(const Graph& graph, const std::vector<int>& lines) {
    std::vector<int> degree(graph.vertices.size(), 0);
    for (int i : lines) {
        ++degree[static_cast<std::size_t>(graph.lines[static_cast<std::size_t>(i)].from)];
        ++degree[static_cast<std::size_t>(graph.lines[static_cast<std::size_t>(i)].to)];
    }
    return degree;
}

bool everyVertexMeetsTwo(const Graph& graph, const std::vector<int>& lines) {
    const std::vector<int> degree = degrees(graph, lines);
    return std::all_of(degree.begin(), degree.end(), [](int d) { return d == 2; });
}

// Connected and two lines at every vertex is one cycle through all of them.
bool connectsEveryVertex(const Graph& graph, const std::vector<int>& lines) {
    std::vector<int> group(graph.vertices.size());
    std::iota(group.begin(), group.end(), 0);
    for (int i : lines) {
        const int from =
            group[static_cast<std::size_t>(graph.lines[static_cast<std::size_t>(i)].from)];
        const int to = group[static_cast<std::size_t>(graph.lines[static_cast<std::size_t>(i)].to)];
        std::replace(group.begin(), group.end(), to, from);
    }
    return std::all_of(group.begin(), group.end(), [&](int g) { return g == group[0]; });
}

struct StoredRow {
    int solid;
    int k;
    std::vector<int> removed;
    int circuitLength;
};
// Rows print as their names, so failures and ctest's list read as words.
void PrintTo(const StoredRow& r, std::ostream* os) { *os << nameOf(r.solid) << "_k" << r.k; }

class HamiltonStoredCircuitTest : public testing::TestWithParam<StoredRow> {};

TEST_P(HamiltonStoredCircuitTest, RemovesItsLinesAndLeavesOneCircuit) {
    const StoredRow& row = GetParam();
    std::vector<int> removed = removalSet(row.solid, row.k);
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, row.removed);

    const Graph graph = drawn(row.solid);
    const std::vector<int> edgeSelected = storedCircuit(row.solid, row.k);
    ASSERT_EQ(static_cast<int>(edgeSelected.size()), solidAt(row.solid).edgeCount);
    const std::vector<int> lines = selectedLines(edgeSelected);
    EXPECT_EQ(static_cast<int>(lines.size()), row.circuitLength);
    EXPECT_TRUE(everyVertexMeetsTwo(graph, lines));
    EXPECT_TRUE(connectsEveryVertex(graph, lines));
    EXPECT_TRUE(isHamiltonianCircuit(graph, edgeSelected));
    EXPECT_TRUE(isHamiltonianCircuit(graph, screenSelection(lines)));
}

INSTANTIATE_TEST_SUITE_P(
    AllRotations, HamiltonStoredCircuitTest,
    testing::Values(StoredRow{tetrahedron, 0, {0, 5}, 4}, StoredRow{tetrahedron, 1, {1, 3}, 4},
                    StoredRow{tetrahedron, 2, {2, 4}, 4}, StoredRow{cube, 0, {0, 4, 10, 11}, 8},
                    StoredRow{cube, 1, {1, 5, 8, 11}, 8}, StoredRow{cube, 2, {2, 6, 8, 9}, 8},
                    StoredRow{cube, 3, {3, 7, 9, 10}, 8},
                    StoredRow{octahedron, 0, {0, 4, 6, 8, 10, 11}, 6},
                    StoredRow{octahedron, 1, {1, 5, 6, 7, 9, 11}, 6},
                    StoredRow{octahedron, 2, {2, 3, 7, 8, 9, 10}, 6},
                    StoredRow{icosahedron,
                              0,
                              {1, 4, 6, 10, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27},
                              12},
                    StoredRow{icosahedron,
                              1,
                              {2, 6, 8, 11, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28},
                              12},
                    StoredRow{icosahedron,
                              2,
                              {0, 4, 8, 9, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 29},
                              12},
                    StoredRow{dodecahedron, 0, {0, 5, 13, 19, 22, 23, 24, 26, 27, 28}, 20},
                    StoredRow{dodecahedron, 1, {1, 5, 7, 15, 20, 23, 24, 27, 28, 29}, 20},
                    StoredRow{dodecahedron, 2, {2, 7, 9, 16, 20, 21, 24, 25, 28, 29}, 20},
                    StoredRow{dodecahedron, 3, {3, 9, 11, 17, 20, 21, 22, 25, 26, 29}, 20},
                    StoredRow{dodecahedron, 4, {4, 11, 13, 18, 21, 22, 23, 25, 26, 27}, 20}),
    [](const testing::TestParamInfo<StoredRow>& info) {
        return nameOf(info.param.solid) + "_k" + std::to_string(info.param.k);
    });

TEST(HamiltonRemovalSetTest, OffsetOutsideTheRotationsIsRefused) {
    EXPECT_THROW(removalSet(cube, 4), std::out_of_range);
    EXPECT_THROW(storedCircuit(tetrahedron, -1), std::out_of_range);
}

class HamiltonOneLineOffTest : public testing::TestWithParam<int> {};

TEST_P(HamiltonOneLineOffTest, CircuitWithALineMoreOrLessIsWrong) {
    const int solid = GetParam();
    const Graph graph = drawn(solid);
    for (int k = 0; k < solidAt(solid).rotations; ++k) {
        const std::vector<int> circuit = storedCircuit(solid, k);
        for (std::size_t line = 0; line < circuit.size(); ++line) {
            SCOPED_TRACE("k " + std::to_string(k) + ", line " + std::to_string(line));
            std::vector<int> edgeSelected = circuit;
            edgeSelected[line] = 1 - edgeSelected[line];
            EXPECT_FALSE(isHamiltonianCircuit(graph, edgeSelected));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllSolids, HamiltonOneLineOffTest,
                         testing::Values(tetrahedron, cube, octahedron, icosahedron, dodecahedron),
                         [](const testing::TestParamInfo<int>& info) {
                             return nameOf(info.param);
                         });

struct WrongRow {
    std::string name;
    int solid;
    std::vector<int> lines;
    bool everyVertexMeetsTwo;  // true where only the single-cycle test can reject it
};

class HamiltonWrongSelectionTest : public testing::TestWithParam<WrongRow> {};

TEST_P(HamiltonWrongSelectionTest, IsNotACircuit) {
    const WrongRow& row = GetParam();
    const Graph graph = drawn(row.solid);
    EXPECT_EQ(everyVertexMeetsTwo(graph, row.lines), row.everyVertexMeetsTwo);
    EXPECT_FALSE(isHamiltonianCircuit(graph, screenSelection(row.lines)));
}

INSTANTIATE_TEST_SUITE_P(
    Selections, HamiltonWrongSelectionTest,
    testing::Values(WrongRow{"tetrahedronNothing", tetrahedron, {}, false},
                    WrongRow{"cubeNothing", cube, {}, false},
                    WrongRow{"octahedronNothing", octahedron, {}, false},
                    WrongRow{"icosahedronNothing", icosahedron, {}, false},
                    WrongRow{"dodecahedronNothing", dodecahedron, {}, false},
                    WrongRow{"cubeOuterAndInnerSquares", cube, {0, 1, 2, 3, 4, 5, 6, 7}, true},
                    WrongRow{"octahedronTwoTriangles", octahedron, {0, 1, 2, 3, 4, 5}, true},
                    WrongRow{"icosahedronTriangleAndNineCycle",
                             icosahedron,
                             {0, 1, 2, 4, 6, 8, 21, 22, 23, 24, 25, 26},
                             true},
                    WrongRow{"icosahedronThreeRings",
                             icosahedron,
                             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                             true},
                    WrongRow{"dodecahedronThreeRings",
                             dodecahedron,
                             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                             true}),
    kit::byName);

struct OffsetRow {
    std::string name;
    double fraction;
    int rotations;
    int solutionOffset;
};

class HamiltonSolutionOffsetTest : public testing::TestWithParam<OffsetRow> {};

TEST_P(HamiltonSolutionOffsetTest, NamesARealRotation) {
    const OffsetRow& row = GetParam();
    EXPECT_EQ(solutionOffset(row.fraction, row.rotations), row.solutionOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Fractions, HamiltonSolutionOffsetTest,
    testing::Values(OffsetRow{"zero", 0.0, 3, 0}, OffsetRow{"halfOfFour", 0.5, 4, 2},
                    OffsetRow{"justBelowOne", 0.999999, 5, 4},
                    OffsetRow{"withinThirdFifth", 0.65, 5, 3}, OffsetRow{"one", 1.0, 3, 2},
                    OffsetRow{"negative", -0.25, 3, 0},
                    OffsetRow{"notANumber", std::numeric_limits<double>::quiet_NaN(), 4, 0}),
    kit::byName);

}  // namespace
}  // namespace hamiltonian
