#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

// The five shapes an object is drawn from, and the random choice of one placed on the grid.
namespace reflect {

// The uniform random number in [0, 1) that every draw reads.
using Rnd = std::function<double()>;
// Int(Rnd * (hi - lo + 1) + lo): a whole number from lo to hi.
int drawBetween(const Rnd& rnd, int lo, int hi);

struct Vertex {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const Vertex&) const = default;
};
// Five slots, of which 0..3 hold the four corners.
using VertexTable = std::array<Vertex, 5>;

struct Range {
    int lo;
    int hi;
};

struct CatalogueShape {
    std::string_view name;
    Range x0;
    Range y0;
    std::array<Vertex, 4> offsets;  // of corners 0..3 from the base
};

extern const std::array<CatalogueShape, 5> shapeCatalogue;

// Corners 0..3 of a catalogue shape with its base at (x0, y0).
VertexTable placeShape(const CatalogueShape& shape, int x0, int y0);

struct ChosenShape {
    int row = 0;  // index into shapeCatalogue
    VertexTable shapepoints{};
};

// A catalogue row, then the base's x, then its y: three draws.
ChosenShape chooseshape(const Rnd& rnd);

}  // namespace reflect
