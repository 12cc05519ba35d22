#include "reflections/question.h"

#include "reflections/grid.h"

namespace reflect {

Mirror mirrorOf(int level, int linekind) {
    if (level == 1) return linekind == 1 ? Mirror::xAxis : Mirror::yAxis;
    if (linekind == 1) return Mirror::xEqualsK;
    if (linekind == 2) return Mirror::yEqualsK;
    return linekind == 3 ? Mirror::yEqualsX : Mirror::yEqualsMinusX;
}

std::string questionCaption(Mirror mirror, int k) {
    const std::string lead = "Show a reflection in the ";
    switch (mirror) {
        case Mirror::xAxis: return lead + "x-axis.";
        case Mirror::yAxis: return lead + "y-axis.";
        case Mirror::xEqualsK: return lead + "line x=" + std::to_string(k) + ".";
        case Mirror::yEqualsK: return lead + "line y=" + std::to_string(k) + ".";
        case Mirror::yEqualsX: return lead + "line y=x.";
        case Mirror::yEqualsMinusX: return lead + "line y=-x.";
    }
    return lead;
}

// The diagonals run from column x = -7 to just short of x = 7, top row to just below the last.
LineEnds mirrorLineEnds(Mirror mirror, int k) {
    switch (mirror) {
        case Mirror::xEqualsK: return {gridTables.x(k), 100, gridTables.x(k), 7110};
        case Mirror::yEqualsK: return {100, gridTables.y(k), 8090, gridTables.y(k)};
        case Mirror::yEqualsX: return {7590, 100, 600, 7110};
        case Mirror::yEqualsMinusX: return {600, 100, 7590, 7110};
        case Mirror::xAxis:
        case Mirror::yAxis: break;
    }
    return {};
}

Question calculate(int level, const Rnd& rnd) {
    Question q;
    if (level == 1) {
        q.linekind = drawBetween(rnd, 1, 2);
        q.shape = chooseshape(rnd);
        const Mirror mirror = mirrorOf(1, q.linekind);
        q.imagepoints = mirrorImage(mirror, q.shape.shapepoints, 0);
        q.caption = questionCaption(mirror, 0);
        return q;
    }
    q.linekind = drawBetween(rnd, 1, 4);
    const Mirror mirror = mirrorOf(2, q.linekind);
    for (q.attempts = 1;; ++q.attempts) {
        q.shape = chooseshape(rnd);
        q.kx = drawBetween(rnd, -6, 6);
        q.ky = drawBetween(rnd, -5, 5);
        const int k = mirror == Mirror::yEqualsK ? q.ky : q.kx;
        q.imagepoints = mirrorImage(mirror, q.shape.shapepoints, k);
        if (!fitsGrid(q.imagepoints)) continue;
        q.caption = questionCaption(mirror, k);
        q.mirrorLine = mirrorLineEnds(mirror, k);
        return q;
    }
}

}  // namespace reflect
