#include "hamilton/graph.h"
#include "hamilton/graph_solids.h"
#include "support/kit.h"

#include <gtest/gtest.h>
#include <ostream>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace hamiltonian {
namespace {

using kit::nameOf;

Graph drawn(int solidIndex) { return drawSolid(solidIndex, geometryFor(solidIndex)); }

struct VertexRow {
    int solid;
    int vertex;
    double x;
    double y;
};
// Rows print as their names, so failures and ctest's list read as words.
void PrintTo(const VertexRow& r, std::ostream* os) {
    *os << nameOf(r.solid) << "_vertex" << r.vertex;
}

const std::vector<VertexRow> vertexTable{
    {tetrahedron, 0, 3272, 6975},   {tetrahedron, 1, 8727, 6975},   {tetrahedron, 2, 6000, 2250},
    {tetrahedron, 3, 6000, 5400},   {cube, 0, 3772, 7627},          {cube, 1, 8227, 7627},
    {cube, 2, 8227, 3172},          {cube, 3, 3772, 3172},          {cube, 4, 4886, 6513},
    {cube, 5, 7113, 6513},          {cube, 6, 7113, 4286},          {cube, 7, 4886, 4286},
    {octahedron, 0, 3272, 6975},    {octahedron, 1, 8727, 6975},    {octahedron, 2, 6000, 2250},
    {octahedron, 3, 6000, 6450},    {octahedron, 4, 6909, 4875},    {octahedron, 5, 5090, 4874},
    {icosahedron, 0, 3272, 6975},   {icosahedron, 1, 8727, 6975},   {icosahedron, 2, 6000, 2250},
    {icosahedron, 3, 6000, 6450},   {icosahedron, 4, 6909, 5925},   {icosahedron, 5, 6909, 4875},
    {icosahedron, 6, 6000, 4350},   {icosahedron, 7, 5090, 4874},   {icosahedron, 8, 5090, 5924},
    {icosahedron, 9, 6000, 5925},   {icosahedron, 10, 6454, 5137},  {icosahedron, 11, 5545, 5137},
    {dodecahedron, 0, 4183, 7674},  {dodecahedron, 1, 7816, 7674},  {dodecahedron, 2, 8938, 4220},
    {dodecahedron, 3, 6000, 2085},  {dodecahedron, 4, 3061, 4220},  {dodecahedron, 5, 6000, 7235},
    {dodecahedron, 6, 7210, 6841},  {dodecahedron, 7, 7959, 5811},  {dodecahedron, 8, 7959, 4538},
    {dodecahedron, 9, 7210, 3508},  {dodecahedron, 10, 6000, 3115}, {dodecahedron, 11, 4789, 3508},
    {dodecahedron, 12, 4040, 4538}, {dodecahedron, 13, 4040, 5811}, {dodecahedron, 14, 4789, 6841},
    {dodecahedron, 15, 6000, 6205}, {dodecahedron, 16, 6979, 5493}, {dodecahedron, 17, 6605, 4341},
    {dodecahedron, 18, 5394, 4341}, {dodecahedron, 19, 5020, 5493},
};

class HamiltonVertexTest : public testing::TestWithParam<VertexRow> {};

TEST_P(HamiltonVertexTest, LiesWhereTheFlooredRingPutsIt) {
    const VertexRow& row = GetParam();
    const Graph graph = drawn(row.solid);
    ASSERT_LT(row.vertex, static_cast<int>(graph.vertices.size()));
    const Vertex& vertex = graph.vertices[static_cast<std::size_t>(row.vertex)];
    EXPECT_EQ(vertex.x, row.x);
    EXPECT_EQ(vertex.y, row.y);
}

INSTANTIATE_TEST_SUITE_P(AllSolids, HamiltonVertexTest, testing::ValuesIn(vertexTable),
                         [](const testing::TestParamInfo<VertexRow>& info) {
                             return nameOf(info.param.solid) + "_vertex" +
                                    std::to_string(info.param.vertex);
                         });

struct LineRow {
    int solid;
    int line;
    int from;
    int to;
    double centreX;
    double centreY;
};
void PrintTo(const LineRow& r, std::ostream* os) { *os << nameOf(r.solid) << "_line" << r.line; }

const std::vector<LineRow> lineTable{
    {tetrahedron, 0, 0, 1, 5999.5, 6975},
    {tetrahedron, 1, 1, 2, 7363.5, 4612.5},
    {tetrahedron, 2, 2, 0, 4636, 4612.5},
    {tetrahedron, 3, 0, 3, 4636, 6187.5},
    {tetrahedron, 4, 1, 3, 7363.5, 6187.5},
    {tetrahedron, 5, 2, 3, 6000, 3825},
    {cube, 0, 0, 1, 5999.5, 7627},
    {cube, 1, 1, 2, 8227, 5399.5},
    {cube, 2, 2, 3, 5999.5, 3172},
    {cube, 3, 3, 0, 3772, 5399.5},
    {cube, 4, 4, 5, 5999.5, 6513},
    {cube, 5, 5, 6, 7113, 5399.5},
    {cube, 6, 6, 7, 5999.5, 4286},
    {cube, 7, 7, 4, 4886, 5399.5},
    {cube, 8, 0, 4, 4329, 7070},
    {cube, 9, 1, 5, 7670, 7070},
    {cube, 10, 2, 6, 7670, 3729},
    {cube, 11, 3, 7, 4329, 3729},
    {octahedron, 0, 0, 1, 5999.5, 6975},
    {octahedron, 1, 1, 2, 7363.5, 4612.5},
    {octahedron, 2, 2, 0, 4636, 4612.5},
    {octahedron, 3, 3, 4, 6454.5, 5662.5},
    {octahedron, 4, 4, 5, 5999.5, 4874.5},
    {octahedron, 5, 5, 3, 5545, 5662},
    {octahedron, 6, 0, 3, 4636, 6712.5},
    {octahedron, 7, 1, 4, 7818, 5925},
    {octahedron, 8, 2, 5, 5545, 3562},
    {octahedron, 9, 0, 5, 4181, 5924.5},
    {octahedron, 10, 1, 3, 7363.5, 6712.5},
    {octahedron, 11, 2, 4, 6454.5, 3562.5},
    {icosahedron, 0, 0, 1, 5999.5, 6975},
    {icosahedron, 1, 1, 2, 7363.5, 4612.5},
    {icosahedron, 2, 2, 0, 4636, 4612.5},
    {icosahedron, 3, 3, 4, 6454.5, 6187.5},
    {icosahedron, 4, 4, 5, 6909, 5400},
    {icosahedron, 5, 5, 6, 6454.5, 4612.5},
    {icosahedron, 6, 6, 7, 5545, 4612},
    {icosahedron, 7, 7, 8, 5090, 5399},
    {icosahedron, 8, 8, 3, 5545, 6187},
    {icosahedron, 9, 9, 10, 6227, 5531},
    {icosahedron, 10, 10, 11, 5999.5, 5137},
    {icosahedron, 11, 11, 9, 5772.5, 5531},
    {icosahedron, 12, 0, 3, 4636, 6712.5},
    {icosahedron, 13, 1, 5, 7818, 5925},
    {icosahedron, 14, 2, 7, 5545, 3562},
    {icosahedron, 15, 0, 7, 4181, 5924.5},
    {icosahedron, 16, 1, 3, 7363.5, 6712.5},
    {icosahedron, 17, 2, 5, 6454.5, 3562.5},
    {icosahedron, 18, 0, 8, 4181, 6449.5},
    {icosahedron, 19, 1, 4, 7818, 6450},
    {icosahedron, 20, 2, 6, 6000, 3300},
    {icosahedron, 21, 9, 4, 6454.5, 5925},
    {icosahedron, 22, 10, 6, 6227, 4743.5},
    {icosahedron, 23, 11, 8, 5317.5, 5530.5},
    {icosahedron, 24, 9, 3, 6000, 6187.5},
    {icosahedron, 25, 10, 5, 6681.5, 5006},
    {icosahedron, 26, 11, 7, 5317.5, 5005.5},
    {icosahedron, 27, 9, 8, 5545, 5924.5},
    {icosahedron, 28, 10, 4, 6681.5, 5531},
    {icosahedron, 29, 11, 6, 5772.5, 4743.5},
    {dodecahedron, 0, 0, 1, 5999.5, 7674},
    {dodecahedron, 1, 1, 2, 8377, 5947},
    {dodecahedron, 2, 2, 3, 7469, 3152.5},
    {dodecahedron, 3, 3, 4, 4530.5, 3152.5},
    {dodecahedron, 4, 4, 0, 3622, 5947},
    {dodecahedron, 5, 5, 6, 6605, 7038},
    {dodecahedron, 6, 6, 7, 7584.5, 6326},
    {dodecahedron, 7, 7, 8, 7959, 5174.5},
    {dodecahedron, 8, 8, 9, 7584.5, 4023},
    {dodecahedron, 9, 9, 10, 6605, 3311.5},
    {dodecahedron, 10, 10, 11, 5394.5, 3311.5},
    {dodecahedron, 11, 11, 12, 4414.5, 4023},
    {dodecahedron, 12, 12, 13, 4040, 5174.5},
    {dodecahedron, 13, 13, 14, 4414.5, 6326},
    {dodecahedron, 14, 14, 5, 5394.5, 7038},
    {dodecahedron, 15, 15, 16, 6489.5, 5849},
    {dodecahedron, 16, 16, 17, 6792, 4917},
    {dodecahedron, 17, 17, 18, 5999.5, 4341},
    {dodecahedron, 18, 18, 19, 5207, 4917},
    {dodecahedron, 19, 19, 15, 5510, 5849},
    {dodecahedron, 20, 0, 14, 4486, 7257.5},
    {dodecahedron, 21, 1, 6, 7513, 7257.5},
    {dodecahedron, 22, 2, 8, 8448.5, 4379},
    {dodecahedron, 23, 3, 10, 6000, 2600},
    {dodecahedron, 24, 4, 12, 3550.5, 4379},
    {dodecahedron, 25, 15, 5, 6000, 6720},
    {dodecahedron, 26, 16, 7, 7469, 5652},
    {dodecahedron, 27, 17, 9, 6907.5, 3924.5},
    {dodecahedron, 28, 18, 11, 5091.5, 3924.5},
    {dodecahedron, 29, 19, 13, 4530, 5652},
};

const VertexRow& tableVertex(int solid, int vertex) {
    return *std::find_if(vertexTable.begin(), vertexTable.end(), [&](const VertexRow& row) {
        return row.solid == solid && row.vertex == vertex;
    });
}

class HamiltonLineTest : public testing::TestWithParam<LineRow> {};

TEST_P(HamiltonLineTest, JoinsItsVerticesAndHasItsCentre) {
    const LineRow& row = GetParam();
    const Graph graph = drawn(row.solid);
    ASSERT_LT(row.line, static_cast<int>(graph.lines.size()));
    const Line& line = graph.lines[static_cast<std::size_t>(row.line)];
    EXPECT_EQ(line.from, row.from);
    EXPECT_EQ(line.to, row.to);
    EXPECT_EQ(line.x1, tableVertex(row.solid, row.from).x);
    EXPECT_EQ(line.y1, tableVertex(row.solid, row.from).y);
    EXPECT_EQ(line.x2, tableVertex(row.solid, row.to).x);
    EXPECT_EQ(line.y2, tableVertex(row.solid, row.to).y);
    const EdgeCentre centre = edgeCentres(graph.lines)[static_cast<std::size_t>(row.line)];
    EXPECT_EQ(centre.x, row.centreX);
    EXPECT_EQ(centre.y, row.centreY);
}

INSTANTIATE_TEST_SUITE_P(AllSolids, HamiltonLineTest, testing::ValuesIn(lineTable),
                         [](const testing::TestParamInfo<LineRow>& info) {
                             return nameOf(info.param.solid) + "_line" +
                                    std::to_string(info.param.line);
                         });

struct SolidRow {
    int solid;
    double centreY;
    double outerRadius;
};
void PrintTo(const SolidRow& r, std::ostream* os) { *os << nameOf(r.solid); }

class HamiltonSolidTest : public testing::TestWithParam<SolidRow> {};

TEST_P(HamiltonSolidTest, HasItsGeometryAndCounts) {
    const SolidRow& row = GetParam();
    const Geometry geometry = geometryFor(row.solid);
    EXPECT_EQ(geometry.centreX, 6000);
    EXPECT_EQ(geometry.centreY, row.centreY);
    EXPECT_EQ(geometry.outerRadius, row.outerRadius);
    const Graph graph = drawSolid(row.solid, geometry);
    EXPECT_EQ(static_cast<int>(graph.vertices.size()), solidAt(row.solid).vertexCount);
    EXPECT_EQ(static_cast<int>(graph.lines.size()), solidAt(row.solid).edgeCount);
}

INSTANTIATE_TEST_SUITE_P(
    AllSolids, HamiltonSolidTest,
    testing::Values(SolidRow{tetrahedron, 5400, 3150}, SolidRow{cube, 5400, 3150},
                    SolidRow{octahedron, 5400, 3150}, SolidRow{icosahedron, 5400, 3150},
                    SolidRow{dodecahedron, 5175, 3090}),
    [](const testing::TestParamInfo<SolidRow>& info) { return nameOf(info.param.solid); });

TEST(HamiltonSolidIndexTest, OutsideTheFiveIsRefused) {
    EXPECT_THROW(drawSolid(5, Geometry{}), std::out_of_range);
    EXPECT_THROW(geometryFor(-1), std::out_of_range);
}

}  // namespace
}  // namespace hamiltonian
