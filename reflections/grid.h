#pragma once
#include <array>

// The coordinate grid in its drawing area, twips: grid x -8..8 and y -7..7, one unit 500
// twips, the point (-8, 7) at (100, 100), screen y growing downwards.
namespace reflect {

constexpr int gridMinX = -8;
constexpr int gridMaxX = 8;
constexpr int gridMinY = -7;
constexpr int gridMaxY = 7;
constexpr int gridOrigin = 100;  // twips from the drawing area's top left to column 0, row 0
constexpr int gridUnit = 500;
constexpr int lastColumn = gridMaxX - gridMinX;  // 16
constexpr int lastRow = gridMaxY - gridMinY;     // 14

// Screen position of column or row `index`, counted from the left or the top.
constexpr int gridLine(int index) { return gridOrigin + gridUnit * index; }

// The lookup tables from grid coordinates to the drawing area.
struct GridTables {
    std::array<float, 26> xpos{};  // by x + 8; 0..16 used
    std::array<float, 22> ypos{};  // by 7 - y; 0..14 used

    constexpr float x(int gridX) const { return xpos.at(static_cast<std::size_t>(gridX + 8)); }
    constexpr float y(int gridY) const { return ypos.at(static_cast<std::size_t>(7 - gridY)); }
};

constexpr GridTables makeGridTables() {
    GridTables t;
    for (int i = 0; i <= lastColumn; ++i) t.xpos[static_cast<std::size_t>(i)] = gridLine(i);
    for (int i = 0; i <= lastRow; ++i) t.ypos[static_cast<std::size_t>(i)] = gridLine(i);
    return t;
}
// One set for the drawn grid and for every question, snap and check, so they cannot disagree.
inline constexpr GridTables gridTables = makeGridTables();

constexpr bool onGrid(int x, int y) {
    return x >= gridMinX && x <= gridMaxX && y >= gridMinY && y <= gridMaxY;
}

}  // namespace reflect
