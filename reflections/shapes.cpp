#include "reflections/shapes.h"

#include <cmath>

namespace reflect {

int drawBetween(const Rnd& rnd, int lo, int hi) {
    return lo + static_cast<int>(std::floor(rnd() * (hi - lo + 1)));
}

const std::array<CatalogueShape, 5> shapeCatalogue = {{
    {"square", {-6, 6}, {-5, 5}, {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}}},
    {"rectangle", {-5, 5}, {-5, 5}, {{{0, 0}, {3, 0}, {3, 2}, {0, 2}}}},
    {"flag", {-6, 6}, {-4, 4}, {{{0, 0}, {0, 3}, {2, 2}, {0, 1}}}},
    {"kyte", {-6, 6}, {-4, 4}, {{{0, 0}, {-1, 2}, {0, 3}, {1, 2}}}},
    {"parallelogram", {-4, 4}, {-5, 5}, {{{0, 0}, {3, 0}, {4, 2}, {1, 2}}}},
}};

VertexTable placeShape(const CatalogueShape& shape, int x0, int y0) {
    VertexTable points{};
    for (std::size_t k = 0; k < shape.offsets.size(); ++k)
        points[k] = {static_cast<std::int16_t>(x0 + shape.offsets[k].x),
                     static_cast<std::int16_t>(y0 + shape.offsets[k].y)};
    return points;
}

ChosenShape chooseshape(const Rnd& rnd) {
    ChosenShape chosen;
    chosen.row = drawBetween(rnd, 1, 5) - 1;
    const CatalogueShape& shape = shapeCatalogue.at(static_cast<std::size_t>(chosen.row));
    const int x0 = drawBetween(rnd, shape.x0.lo, shape.x0.hi);
    const int y0 = drawBetween(rnd, shape.y0.lo, shape.y0.hi);
    chosen.shapepoints = placeShape(shape, x0, y0);
    return chosen;
}

}  // namespace reflect
