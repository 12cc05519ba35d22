#include "reflections/mirror.h"

#include "reflections/grid.h"

namespace reflect {

namespace {

constexpr std::size_t corners = 4;

std::int16_t small(int v) { return static_cast<std::int16_t>(v); }

}  // namespace

VertexTable transform(const Matrix& m, const VertexTable& points) {
    VertexTable image{};
    for (std::size_t k = 0; k < corners; ++k) {
        const int x = points[k].x;
        const int y = points[k].y;
        image[k] = {small(m.m11 * x + m.m12 * y), small(m.m21 * x + m.m22 * y)};
    }
    return image;
}

VertexTable translate(VertexTable points, int dx, int dy) {
    for (std::size_t k = 0; k < corners; ++k)
        points[k] = {small(points[k].x + dx), small(points[k].y + dy)};
    return points;
}

// The lines x = k and y = k: move the line onto its axis, reflect there, move back.
VertexTable mirrorImage(Mirror mirror, const VertexTable& shapepoints, int k) {
    switch (mirror) {
        case Mirror::xAxis: return transform(reflectxaxis, shapepoints);
        case Mirror::yAxis: return transform(reflectyaxis, shapepoints);
        case Mirror::xEqualsK:
            return translate(transform(reflectyaxis, translate(shapepoints, -k, 0)), k, 0);
        case Mirror::yEqualsK:
            return translate(transform(reflectxaxis, translate(shapepoints, 0, -k)), 0, k);
        case Mirror::yEqualsX: return transform(reflectyx, shapepoints);
        case Mirror::yEqualsMinusX: return transform(reflectyminusx, shapepoints);
    }
    return shapepoints;
}

bool fitsGrid(const VertexTable& points) {
    for (std::size_t k = 0; k < corners; ++k)
        if (!onGrid(points[k].x, points[k].y)) return false;
    return true;
}

}  // namespace reflect
