#pragma once
#include <QPainter>
#include <QRegion>

#include "ui/screen.h"

namespace ui::qt {

// Draws the labels, lines, circles and images that `container` holds (the screen when null),
// back to front, those that reach into `dirty` only. Windowed controls are widgets and draw
// themselves.
void paintWindowless(QPainter& painter, const Screen& screen, const Control* container,
                     const QRegion& dirty);

}  // namespace ui::qt
