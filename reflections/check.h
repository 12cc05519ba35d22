#pragma once
#include <array>

#include "reflections/shapes.h"

// The check of an answer: each cross on the image of the corner of its own colour.
namespace reflect {

struct CrossBox {
    int left, top, width, height;
};

// Crosses in corner order 0..3; each must stand centred on its image point, exactly.
bool answerRight(const std::array<CrossBox, 4>& crosses, const VertexTable& imagepoints);

}  // namespace reflect
