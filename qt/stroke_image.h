#pragma once
#include <QImage>
#include <QPainter>
#include <QRect>

#include "ui/display_list.h"
#include "ui/surface.h"

namespace ui::qt {

// A drawing surface's strokes as an image at a window's scale, one segment drawn into it per
// new stroke (as Qt's Scribble does): a move costs the same however long the drawing is.
class StrokeImage {
public:
    // The image at the primitive's corner, drawn afresh when its size, scale or ground moved.
    void paint(QPainter& painter, const Primitive& item);
    // One stroke more; the window's area it touched, or none while there is no image yet.
    QRect add(const Stroke& stroke);
    void clear() { image_ = QImage(); }

private:
    void draw(QPainter& painter, const Stroke& stroke) const;

    QImage image_;
    const Surface* surface_ = nullptr;
    double scale_ = 1;
    Colour ground_ = 0;
    QPointF origin_;
};

}  // namespace ui::qt
