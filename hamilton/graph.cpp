#include "hamilton/graph.h"

#include "hamilton/graph_solids.h"

#include <cmath>
#include <cstddef>

namespace hamiltonian {

namespace {

enum class Step { half, whole };

class GraphBuilder {
public:
    explicit GraphBuilder(const Geometry& geometry) : geometry_(geometry) {}

    // Places q vertices round the centre and joins each to the next, the last back to the first.
    void ring(int q, double radius, Step step) {
        const int first = static_cast<int>(graph_.vertices.size());
        for (int i = 0; i < q; ++i) {
            const double turn = step == Step::half ? i - 0.5 : i;
            const double angle = turn * (2 * geometry_.piValue) / q;
            vertex(geometry_.centreX + std::sin(angle) * radius,
                   geometry_.centreY + std::cos(angle) * radius);
        }
        for (int j = 0; j < q; ++j) join(first + j, first + (j + 1) % q);
    }

    void vertex(double x, double y) { graph_.vertices.push_back({std::floor(x), std::floor(y)}); }

    void join(int from, int to) {
        const Vertex& a = graph_.vertices[static_cast<std::size_t>(from)];
        const Vertex& b = graph_.vertices[static_cast<std::size_t>(to)];
        graph_.lines.push_back({from, to, static_cast<float>(a.x), static_cast<float>(a.y),
                                static_cast<float>(b.x), static_cast<float>(b.y)});
    }

    Graph& graph() { return graph_; }

private:
    Geometry geometry_;
    Graph graph_;
};

}  // namespace

Geometry geometryFor(int solidIndex) {
    Geometry geometry;
    if (solidAt(solidIndex).solidIndex == dodecahedron) {
        geometry.centreY = 5175;
        geometry.outerRadius = 3090;
    }
    return geometry;
}

Graph drawSolid(int solidIndex, const Geometry& geometry) {
    GraphBuilder builder(geometry);
    const double outer = geometry.outerRadius;
    switch (solidAt(solidIndex).solidIndex) {
        case tetrahedron:
            builder.ring(3, outer, Step::half);
            builder.vertex(geometry.centreX, geometry.centreY);
            for (int j = 0; j < 3; ++j) builder.join(j, 3);
            break;
        case cube:
            builder.ring(4, outer, Step::half);
            builder.ring(4, outer / 2, Step::half);
            for (int j = 0; j < 4; ++j) builder.join(j, 4 + j);
            break;
        case octahedron:
            builder.ring(3, outer, Step::half);
            builder.ring(3, outer / 3, Step::whole);
            for (int j = 0; j < 3; ++j) builder.join(j, 3 + j);
            for (int j = 0; j < 3; ++j) builder.join(j, 3 + (j + 2) % 3);
            break;
        case icosahedron:
            builder.ring(3, outer, Step::half);
            builder.ring(6, outer / 3, Step::whole);
            builder.ring(3, outer / 6, Step::whole);
            for (int j = 0; j < 3; ++j) builder.join(j, 3 + (2 * j) % 6);
            for (int j = 0; j < 3; ++j) builder.join(j, 3 + (2 * j + 4) % 6);
            for (int j = 0; j < 3; ++j) builder.join(j, 3 + (2 * j + 5) % 6);
            for (int j = 0; j < 3; ++j) builder.join(9 + j, 3 + (2 * j + 7) % 6);
            for (int j = 0; j < 3; ++j) builder.join(9 + j, 3 + (2 * j + 6) % 6);
            for (int j = 0; j < 3; ++j) builder.join(9 + j, 3 + (2 * j + 5) % 6);
            break;
        case dodecahedron:
            builder.ring(5, outer, Step::half);
            builder.ring(10, (outer * 2) / 3, Step::whole);
            builder.ring(5, outer / 3, Step::whole);
            builder.join(0, 14);
            for (int j = 1; j <= 4; ++j) builder.join(j, 5 + 2 * j - 1);
            for (int j = 0; j < 5; ++j) builder.join(15 + j, 5 + 2 * j);
            break;
    }
    return builder.graph();
}

std::vector<EdgeCentre> edgeCentres(const std::vector<Line>& lines) {
    std::vector<EdgeCentre> centres;
    centres.reserve(lines.size());
    for (const Line& line : lines)
        centres.push_back({(line.x2 + line.x1) / 2.0f, (line.y2 + line.y1) / 2.0f});
    return centres;
}

}  // namespace hamiltonian
