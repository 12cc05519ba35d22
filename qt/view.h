#pragma once
#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QSizeF>

namespace ui::qt {

// How a screen's design, in logical pixels, maps onto its window: scaled, then shifted. At
// the design size the scale is 1 and nothing is shifted.
struct View {
    double scale = 1;
    QPointF offset;

    QPointF toWindow(QPointF design) const { return design * scale + offset; }
    QPointF toDesign(QPointF window) const { return (window - offset) / scale; }
    QRectF toWindow(const QRectF& design) const {
        return {toWindow(design.topLeft()), design.size() * scale};
    }
    // Inside a frame only the scale applies: the frame's own place carries the shift.
    QRectF toWindowInside(const QRectF& design) const {
        return {design.topLeft() * scale, design.size() * scale};
    }
    // Every design pixel that a region of the window (or of a frame in it) touches.
    QRegion toDesign(const QRegion& window) const { return mapped(window, offset); }
    QRegion toDesignInside(const QRegion& window) const { return mapped(window, {}); }
    bool operator==(const View&) const = default;

private:
    QRegion mapped(const QRegion& window, QPointF shift) const {
        QRegion design;
        for (const QRect& r : window)
            design += QRectF((r.topLeft() - shift) / scale, QSizeF(r.size()) / scale).toAlignedRect();
        return design;
    }
};

// The design scaled uniformly to fill the display's width or height, centred on it.
View projectorView(QSizeF display, QSizeF design);

// The Jotter's board in projector mode: twice its design size, or as much of that as the
// display holds, never less than the design.
View boardView(QSizeF display, QSizeF design);

}  // namespace ui::qt
