#pragma once

#include <vector>

namespace hamiltonian {

// Picks which turn of the stored circuit to show from a random fraction in [0, 1).
int solutionOffset(double fraction, int rotations);

// The lines left out of the stored circuit turned by solutionOffset, in the order of their formula.
std::vector<int> removalSet(int solidIndex, int solutionOffset);

// edgeSelected (0 or 1) for lines 0 to edgeCount - 1 when the stored circuit is shown.
std::vector<int> storedCircuit(int solidIndex, int solutionOffset);

}  // namespace hamiltonian
