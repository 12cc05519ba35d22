#pragma once
#include <QPainter>
#include <QRegion>

#include "ui/display_list.h"

namespace ui::qt {

class StrokeImage;

// Paints one primitive as it says, within its clip, knowing no control; a window's strokes
// come from its image of them.
void paintPrimitive(QPainter& painter, const Primitive& item, StrokeImage* strokes = nullptr);
// The list's primitives that reach into `region`, back to front, on a device of its own so that
// every clip is a plain rectangle: the region is then whole, the rest of the device may not be.
void paint(QPainter& painter, const DisplayList& list, const QRegion& region, StrokeImage* strokes);

}  // namespace ui::qt
