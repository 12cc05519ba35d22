#pragma once

#include "hamilton/graph.h"

#include <vector>

namespace hamiltonian {

// True when the selected lines form one cycle through every vertex. Two vertices each is not
// enough: the cube's two squares give every vertex two lines and are not a circuit.
// edgeSelected may be longer than graph.lines (the screen keeps 31 flags); extra flags are ignored.
bool isHamiltonianCircuit(const Graph& graph, const std::vector<int>& edgeSelected);

}  // namespace hamiltonian
