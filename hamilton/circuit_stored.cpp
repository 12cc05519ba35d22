#include "hamilton/circuit_stored.h"

#include "hamilton/graph_solids.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>

namespace hamiltonian {

int solutionOffset(double fraction, int rotations) {
    // Out-of-range fractions (and NaN) still name a real rotation rather than overflow the cast.
    if (!(fraction > 0.0)) return 0;
    if (fraction >= 1.0) return rotations - 1;
    return static_cast<int>(std::floor(fraction * rotations));
}

std::vector<int> removalSet(int solidIndex, int k) {
    const Solid& solid = solidAt(solidIndex);
    if (k < 0 || k >= solid.rotations) throw std::out_of_range("solutionOffset");
    switch (solid.solidIndex) {
        case tetrahedron: return {k, 3 + (k + 2) % 3};
        case cube: return {k, 4 + k, 8 + (k + 2) % 4, 8 + (k + 3) % 4};
        case octahedron:
            return {k, 3 + (k + 1) % 3, 6 + k, 6 + (k + 2) % 3, 9 + (k + 1) % 3, 9 + (k + 2) % 3};
        case icosahedron: {
            std::vector<int> lines{(k + 1) % 3, 3 + (2 * k + 1) % 6, 3 + (2 * k + 3) % 6,
                                   9 + (k + 1) % 3, 12 + k};
            for (int line = 15; line <= 26; ++line) lines.push_back(line);
            lines.push_back(27 + k);
            return lines;
        }
        case dodecahedron:
            return {k,
                    5 + 2 * k,
                    5 + (2 * k + 8) % 10,
                    15 + (k + 4) % 5,
                    20 + (k + 2) % 5,
                    20 + (k + 3) % 5,
                    20 + (k + 4) % 5,
                    25 + (k + 1) % 5,
                    25 + (k + 2) % 5,
                    25 + (k + 3) % 5};
    }
    throw std::out_of_range("solidIndex");
}

std::vector<int> storedCircuit(int solidIndex, int k) {
    std::vector<int> edgeSelected(static_cast<std::size_t>(solidAt(solidIndex).edgeCount), 1);
    for (int line : removalSet(solidIndex, k)) edgeSelected[static_cast<std::size_t>(line)] = 0;
    return edgeSelected;
}

}  // namespace hamiltonian
