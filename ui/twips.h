#pragma once

namespace ui {

// 1440 twips to the inch at 96 logical pixels to the inch.
constexpr int twipsPerPixel = 15;

}  // namespace ui
