#pragma once
#include <QPointF>
#include <QRectF>
#include <QRegion>

#include "ui/twips.h"
#include "ui/view.h"

namespace ui::qt {

// The model's view in logical pixels: where the scaled design starts in the window.
inline QPointF offsetOf(const View& v) {
    return {v.offsetX / twipsPerPixel, v.offsetY / twipsPerPixel};
}

inline QRectF toWindow(const View& v, const QRectF& design) {
    return {design.topLeft() * v.scale + offsetOf(v), design.size() * v.scale};
}
// Inside a frame only the scale applies: the frame's own place carries the shift.
inline QRectF toWindowInside(const View& v, const QRectF& design) {
    return {design.topLeft() * v.scale, design.size() * v.scale};
}

// Every design pixel that a region of the window (or of a frame in it, shift none) touches.
inline QRegion toDesign(const View& v, const QRegion& window, QPointF shift) {
    QRegion design;
    for (const QRect& r : window)
        design +=
            QRectF((r.topLeft() - shift) / v.scale, QSizeF(r.size()) / v.scale).toAlignedRect();
    return design;
}

}  // namespace ui::qt
