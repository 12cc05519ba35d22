#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace hamiltonian {

enum SolidIndex : int { tetrahedron, cube, octahedron, icosahedron, dodecahedron };

struct Solid {
    int solidIndex;
    std::string_view solidName;
    int edgeCount;
    int vertexCount;
    int rotations;  // how many turns of the stored circuit the solution button chooses from
};

inline constexpr std::array<Solid, 5> solids{{
    {tetrahedron, "tetrahedron", 6, 4, 3},
    {cube, "cube", 12, 8, 4},
    {octahedron, "octahedron", 12, 6, 3},
    {icosahedron, "icosahedron", 30, 12, 3},
    {dodecahedron, "dodecahedron", 30, 20, 5},
}};

inline const Solid& solidAt(int solidIndex) {
    if (solidIndex < 0 || solidIndex >= static_cast<int>(solids.size()))
        throw std::out_of_range("solidIndex");
    return solids[static_cast<std::size_t>(solidIndex)];
}

}  // namespace hamiltonian
