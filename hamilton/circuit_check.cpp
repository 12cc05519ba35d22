#include "hamilton/circuit_check.h"

#include <algorithm>
#include <cstddef>

namespace hamiltonian {

bool isHamiltonianCircuit(const Graph& graph, const std::vector<int>& edgeSelected) {
    // A line's endpoints are its vertices' coordinates, so matching by index is matching by
    // position.
    const std::size_t vertexCount = graph.vertices.size();
    std::vector<std::vector<int>> neighbours(vertexCount);
    const std::size_t lineCount = std::min(graph.lines.size(), edgeSelected.size());
    for (std::size_t i = 0; i < lineCount; ++i) {
        if (edgeSelected[i] != 1) continue;
        const Line& line = graph.lines[i];
        neighbours[static_cast<std::size_t>(line.from)].push_back(line.to);
        neighbours[static_cast<std::size_t>(line.to)].push_back(line.from);
    }
    if (vertexCount == 0) return false;
    for (const std::vector<int>& around : neighbours)
        if (around.size() != 2) return false;

    // Every vertex meets two lines, so the selection is a set of disjoint cycles: walk the one
    // through vertex 0 and see whether it reaches them all.
    int previous = 0;
    int current = neighbours[0][0];
    std::size_t visited = 1;
    while (current != 0 && visited <= vertexCount) {
        const std::vector<int>& around = neighbours[static_cast<std::size_t>(current)];
        const int next = around[0] == previous ? around[1] : around[0];
        previous = current;
        current = next;
        ++visited;
    }
    return current == 0 && visited == vertexCount;
}

}  // namespace hamiltonian
