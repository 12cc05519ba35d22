#include "reflections/check.h"

#include "reflections/grid.h"

namespace reflect {

bool answerRight(const std::array<CrossBox, 4>& crosses, const VertexTable& imagepoints) {
    for (std::size_t k = 0; k < crosses.size(); ++k) {
        const CrossBox& c = crosses[k];
        const Vertex& v = imagepoints[k];
        if (c.left != gridTables.x(v.x) - c.width / 2.0 ||
            c.top != gridTables.y(v.y) - c.height / 2.0)
            return false;
    }
    return true;
}

}  // namespace reflect
