#include "reflections/snap.h"

#include <algorithm>

#include "reflections/grid.h"

namespace reflect {

namespace {

int nearestLine(int centre, int last) {
    const int fromFirst = centre - gridOrigin + gridUnit / 2;
    // Division that rounds towards minus infinity, also left of and above the grid.
    const int index =
        fromFirst >= 0 ? fromFirst / gridUnit : -((-fromFirst + gridUnit - 1) / gridUnit);
    return std::clamp(index, 0, last);
}

}  // namespace

int snapColumn(int cx) { return nearestLine(cx, lastColumn); }
int snapRow(int cy) { return nearestLine(cy, lastRow); }

}  // namespace reflect
