#pragma once
#include <optional>
#include <string>

#include "reflections/mirror.h"
#include "reflections/shapes.h"

// One reflections question: the object, the mirror line, the words and the correct image.
namespace reflect {

struct LineEnds {
    double x1, y1, x2, y2;
    bool operator==(const LineEnds&) const = default;
};

struct Question {
    int linekind = 1;  // level 1: 1 x-axis, 2 y-axis; level 2: 1 x=k, 2 y=k, 3 y=x, 4 y=-x
    int kx = 0;        // level 2: both drawn on every attempt, whatever the line
    int ky = 0;
    ChosenShape shape;  // the object as drawn
    VertexTable imagepoints{};
    std::string caption;
    std::optional<LineEnds> mirrorLine;  // where the dashed line goes; level 1 leaves it
    int attempts = 1;
};

Mirror mirrorOf(int level, int linekind);
std::string questionCaption(Mirror mirror, int k);
// The dashed line of a level-2 mirror, in the drawing area.
LineEnds mirrorLineEnds(Mirror mirror, int k);

// Level 1: a reflection in an axis. Level 2: a line x = k, y = k, y = x or y = -x, with a new
// object and new k until the whole image lies on the grid.
Question calculate(int level, const Rnd& rnd);

}  // namespace reflect
