#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "reflections/grid.h"
#include "reflections/mirror.h"
#include "reflections/question.h"
#include "reflections/shapes.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

using namespace reflect;

// A random source that hands out chosen numbers, in order.
struct Scripted {
    std::deque<double> numbers;
    Rnd source() {
        return [this] {
            const double r = numbers.front();
            numbers.pop_front();
            return r;
        };
    }
    // The draw that gives v from lo..hi.
    void give(int v, int lo, int hi) { numbers.push_back((v - lo + 0.5) / (hi - lo + 1)); }
};

struct Corner {
    int x, y;
};

// The image of a point, written out for each mirror line.
Corner expectedImage(Mirror m, Corner p, int k) {
    switch (m) {
        case Mirror::xAxis: return {p.x, -p.y};
        case Mirror::yAxis: return {-p.x, p.y};
        case Mirror::xEqualsK: return {2 * k - p.x, p.y};
        case Mirror::yEqualsK: return {p.x, 2 * k - p.y};
        case Mirror::yEqualsX: return {p.y, p.x};
        case Mirror::yEqualsMinusX: return {-p.y, -p.x};
    }
    return p;
}

bool inside(Corner c) { return c.x >= -8 && c.x <= 8 && c.y >= -7 && c.y <= 7; }

TEST(ReflectionsShapes, EveryShapeAtEveryBaseLiesOnTheGrid) {
    for (const CatalogueShape& shape : shapeCatalogue)
        for (int x0 = shape.x0.lo; x0 <= shape.x0.hi; ++x0)
            for (int y0 = shape.y0.lo; y0 <= shape.y0.hi; ++y0) {
                const VertexTable v = placeShape(shape, x0, y0);
                for (std::size_t k = 0; k < 4; ++k) {
                    EXPECT_GE(v[k].x, -7) << shape.name << " at " << x0 << "," << y0;
                    EXPECT_LE(v[k].x, 8) << shape.name << " at " << x0 << "," << y0;
                    EXPECT_GE(v[k].y, -5) << shape.name << " at " << x0 << "," << y0;
                    EXPECT_LE(v[k].y, 7) << shape.name << " at " << x0 << "," << y0;
                }
            }
}

// The first and last of every range are drawn, in the order row, x, y.
TEST(ReflectionsShapes, ChooseshapeDrawsRowThenBaseAcrossTheWholeRanges) {
    for (std::size_t row = 0; row < shapeCatalogue.size(); ++row) {
        const CatalogueShape& shape = shapeCatalogue[row];
        for (const auto& [x0, y0] :
             {std::pair{shape.x0.lo, shape.y0.hi}, std::pair{shape.x0.hi, shape.y0.lo}}) {
            Scripted s;
            s.give(static_cast<int>(row) + 1, 1, 5);
            s.give(x0, shape.x0.lo, shape.x0.hi);
            s.give(y0, shape.y0.lo, shape.y0.hi);
            const ChosenShape c = chooseshape(s.source());
            EXPECT_EQ(c.row, static_cast<int>(row));
            EXPECT_EQ(c.shapepoints, placeShape(shape, x0, y0)) << shape.name;
            EXPECT_TRUE(s.numbers.empty());
        }
    }
}

struct MirrorCase {
    Mirror mirror;
    const char* name;
    int kLo, kHi;  // the k the questions draw; 0..0 where the line has none
};

class ReflectionsMirror : public testing::TestWithParam<MirrorCase> {};

// Every object the catalogue can make, in every line of this kind: the image by the formula,
// and the fit test true exactly when all four image corners are inside x -8..8, y -7..7.
TEST_P(ReflectionsMirror, ImageAndFitAgreeWithThePlainFormula) {
    const MirrorCase& m = GetParam();
    int fitting = 0, total = 0;
    for (const CatalogueShape& shape : shapeCatalogue)
        for (int x0 = shape.x0.lo; x0 <= shape.x0.hi; ++x0)
            for (int y0 = shape.y0.lo; y0 <= shape.y0.hi; ++y0)
                for (int k = m.kLo; k <= m.kHi; ++k) {
                    const VertexTable object = placeShape(shape, x0, y0);
                    const VertexTable image = mirrorImage(m.mirror, object, k);
                    bool allInside = true;
                    for (std::size_t i = 0; i < 4; ++i) {
                        const Corner want = expectedImage(m.mirror, {object[i].x, object[i].y}, k);
                        ASSERT_EQ(image[i].x, want.x) << shape.name << " k " << k;
                        ASSERT_EQ(image[i].y, want.y) << shape.name << " k " << k;
                        allInside = allInside && inside(want);
                    }
                    ASSERT_EQ(fitsGrid(image), allInside) << shape.name << " k " << k;
                    fitting += allInside;
                    ++total;
                }
    // The loop at level 2 ends: a good share of attempts fit, whatever the kind of line.
    EXPECT_GT(fitting * 5, total) << fitting << " of " << total;
}

INSTANTIATE_TEST_SUITE_P(AllLines, ReflectionsMirror,
                         testing::Values(MirrorCase{Mirror::xAxis, "xAxis", 0, 0},
                                         MirrorCase{Mirror::yAxis, "yAxis", 0, 0},
                                         MirrorCase{Mirror::xEqualsK, "xEqualsK", -6, 6},
                                         MirrorCase{Mirror::yEqualsK, "yEqualsK", -5, 5},
                                         MirrorCase{Mirror::yEqualsX, "yEqualsX", 0, 0},
                                         MirrorCase{Mirror::yEqualsMinusX, "yEqualsMinusX", 0, 0}),
                         kit::byName);

TEST(ReflectionsMirror, CornersOnTheEdgeFitAndOnePastDoesNot) {
    VertexTable edge{};
    edge[0] = {8, 7};
    edge[1] = {-8, -7};
    edge[2] = {8, -7};
    edge[3] = {-8, 7};
    EXPECT_TRUE(fitsGrid(edge));
    for (const Vertex past : {Vertex{9, 0}, Vertex{-9, 0}, Vertex{0, 8}, Vertex{0, -8}}) {
        VertexTable t = edge;
        t[2] = past;
        EXPECT_FALSE(fitsGrid(t)) << past.x << "," << past.y;
    }
}

// x = 6 with a square from x = 3: the image reaches x = 9, so a new object and a new k are
// drawn, and the kind of line stays.
TEST(ReflectionsQuestion, RejectedAttemptDrawsAgainWithTheSameLine) {
    Scripted s;
    s.give(1, 1, 4);  // x = k
    s.give(1, 1, 5);  // square
    s.give(3, -6, 6);
    s.give(0, -5, 5);
    s.give(6, -6, 6);   // kx
    s.give(-2, -5, 5);  // ky
    s.give(1, 1, 5);
    s.give(0, -6, 6);
    s.give(0, -5, 5);
    s.give(-3, -6, 6);
    s.give(4, -5, 5);
    const Question q = calculate(2, s.source());
    EXPECT_EQ(q.attempts, 2);
    EXPECT_EQ(q.linekind, 1);
    EXPECT_EQ(q.kx, -3);
    EXPECT_EQ(q.ky, 4);
    EXPECT_EQ(q.caption, "Show a reflection in the line x=-3.");
    EXPECT_EQ(q.mirrorLine, (LineEnds{2600, 100, 2600, 7110}));
    EXPECT_EQ(q.imagepoints[0], (Vertex{-6, 0}));
    EXPECT_EQ(q.imagepoints[2], (Vertex{-8, 2}));
    EXPECT_TRUE(s.numbers.empty());
}

struct LineCase {
    int linekind;
    int kx, ky;
    const char* caption;
    LineEnds line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.caption; }

class ReflectionsLevelTwo : public testing::TestWithParam<LineCase> {};

// A square at the origin fits every line; the words and the dashed line follow the kind.
TEST_P(ReflectionsLevelTwo, CaptionAndMirrorLine) {
    const LineCase& c = GetParam();
    Scripted s;
    s.give(c.linekind, 1, 4);
    s.give(1, 1, 5);
    s.give(0, -6, 6);
    s.give(0, -5, 5);
    s.give(c.kx, -6, 6);
    s.give(c.ky, -5, 5);
    const Question q = calculate(2, s.source());
    EXPECT_EQ(q.attempts, 1);
    EXPECT_EQ(q.caption, c.caption);
    EXPECT_EQ(q.mirrorLine, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReflectionsLevelTwo,
    testing::Values(
        LineCase{1, 0, 5, "Show a reflection in the line x=0.", {4100, 100, 4100, 7110}},
        LineCase{2, -6, 2, "Show a reflection in the line y=2.", {100, 2600, 8090, 2600}},
        LineCase{2, 1, -2, "Show a reflection in the line y=-2.", {100, 4600, 8090, 4600}},
        LineCase{3, 4, 4, "Show a reflection in the line y=x.", {7590, 100, 600, 7110}},
        LineCase{4, 4, 4, "Show a reflection in the line y=-x.", {600, 100, 7590, 7110}}),
    [](const auto& info) {
        return "kind" + std::to_string(info.param.linekind) + "_" + std::to_string(info.index);
    });

TEST(ReflectionsQuestion, LevelOneAsksForAnAxisAndLeavesTheLine) {
    for (int kind : {1, 2}) {
        Scripted s;
        s.give(kind, 1, 2);
        s.give(3, 1, 5);  // flag
        s.give(-6, -6, 6);
        s.give(4, -4, 4);
        const Question q = calculate(1, s.source());
        EXPECT_EQ(q.caption, kind == 1 ? "Show a reflection in the x-axis."
                                       : "Show a reflection in the y-axis.");
        EXPECT_FALSE(q.mirrorLine.has_value());
        // The flag's top corner (-6, 7).
        EXPECT_EQ(q.imagepoints[1], kind == 1 ? (Vertex{-6, -7}) : (Vertex{6, 7}));
        EXPECT_TRUE(s.numbers.empty());
    }
}

}  // namespace
