#pragma once
#include "reflections/shapes.h"

// Reflections of the object's corners in the six mirror lines the questions use.
namespace reflect {

enum class Mirror { xAxis, yAxis, xEqualsK, yEqualsK, yEqualsX, yEqualsMinusX };

// (m11 m12; m21 m22): the image of (x, y) is (m11 x + m12 y, m21 x + m22 y).
struct Matrix {
    int m11, m12, m21, m22;
};
constexpr Matrix reflectxaxis{1, 0, 0, -1};
constexpr Matrix reflectyaxis{-1, 0, 0, 1};
constexpr Matrix reflectyx{0, 1, 1, 0};
constexpr Matrix reflectyminusx{0, -1, -1, 0};

// Slots 0..3 of `points` through the matrix.
VertexTable transform(const Matrix& m, const VertexTable& points);
// Slots 0..3 moved by (dx, dy).
VertexTable translate(VertexTable points, int dx, int dy);

// The image of slots 0..3 in the mirror; k is the line's x = k or y = k, else unused.
VertexTable mirrorImage(Mirror mirror, const VertexTable& shapepoints, int k);

// Whether every corner of slots 0..3 lies on the grid.
bool fitsGrid(const VertexTable& points);

}  // namespace reflect
