#pragma once

#include "hamilton/graph.h"

#include <string_view>
#include <vector>

namespace hamiltonian {

// Half the side of the square round a line's centre that a click must land in (twips).
double hitTolerance(std::string_view solidName);

// Every line whose hit box strictly contains (x, y), in line order: one click may toggle several.
std::vector<int> linesUnderPoint(const std::vector<EdgeCentre>& centres, double hitTolerance,
                                 double x, double y);

}  // namespace hamiltonian
