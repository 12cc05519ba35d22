#pragma once
#include <emscripten/val.h>

#include "ui/display_list.h"

namespace ui::web {

// Hands a window's display list to the page's painter in one call: its numbers in one flat
// array, its texts and picture addresses in one string. On a repaint of areas, only what
// reaches into them goes, and only what lies above the Jotter's drawing when `aboveStrokes`.
void paintList(const emscripten::val& painter, const DisplayList& list, const Repaint& repaint,
               double devicePixelRatio, bool aboveStrokes);

}  // namespace ui::web
