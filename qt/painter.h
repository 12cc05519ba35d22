#pragma once
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "ui/display_list.h"
#include "ui/surface.h"

namespace ui::qt {

// A drawing surface's strokes as an image at a window's scale, one segment drawn into it per
// new stroke (as Qt's Scribble does): a move costs the same however long the drawing is.
class StrokeImage {
public:
    // The image at the primitive's corner, drawn afresh when its size, scale or ground moved.
    void paint(QPainter& painter, const Primitive& item);
    // One stroke more into the image; false while there is no image yet.
    bool add(const Stroke& stroke);
    void clear() { image_ = QImage(); }

private:
    void draw(QPainter& painter, const Stroke& stroke) const;

    QImage image_;
    const Surface* surface_ = nullptr;
    double scale_ = 1;
    Colour ground_ = 0;
};

// Paints one primitive as it says, within its clip, knowing no control; a window's strokes
// come from its image of them.
void paintPrimitive(QPainter& painter, const Primitive& item, StrokeImage* strokes = nullptr);
// The list's primitives that reach into `region`, back to front, on a device of its own so that
// every clip is a plain rectangle: the region is then whole, the rest of the device may not be.
void paint(QPainter& painter, const DisplayList& list, const QRegion& region, StrokeImage* strokes);

}  // namespace ui::qt
