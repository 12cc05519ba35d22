#pragma once
#include <cstdint>

namespace ui {

// A colour as the screens write it: red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}
constexpr int red(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int green(Colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blue(Colour c) { return static_cast<int>(c >> 16 & 0xFF); }

}  // namespace ui
