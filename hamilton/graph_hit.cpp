#include "hamilton/graph_hit.h"

#include <cmath>
#include <cstddef>

namespace hamiltonian {

double hitTolerance(std::string_view solidName) {
    // The icosahedron's inner lines are short and close together.
    return solidName == "icosahedron" ? 150 : 450;
}

std::vector<int> linesUnderPoint(const std::vector<EdgeCentre>& centres, double hitTolerance,
                                 double x, double y) {
    std::vector<int> hits;
    for (std::size_t i = 0; i < centres.size(); ++i)
        if (std::abs(centres[i].x - x) < hitTolerance && std::abs(centres[i].y - y) < hitTolerance)
            hits.push_back(static_cast<int>(i));
    return hits;
}

}  // namespace hamiltonian
