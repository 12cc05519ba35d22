#pragma once
#include "ui/display_list.h"
#include "ui/surface.h"
#include "ui/view.h"

namespace ui {

// Where a primitive may leave paint, within its clip: a pen reaches past its path.
PixelRect reachOf(const Primitive& p);

// Whether a primitive may touch any area of a repaint, within its clip: only those are painted.
bool reaches(const Primitive& p, const Repaint& repaint);

// Where a new segment of a screen's drawing may touch its window at `view`, in the list's
// pixels: its pen and smoothing included.
PixelRect reachOf(const Stroke& s, const View& view);

}  // namespace ui
