#pragma once
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/twips.h"

namespace ui::qt {

inline double toPixels(double twips) { return twips / twipsPerPixel; }
inline int toTwips(double pixels) { return static_cast<int>(pixels * twipsPerPixel); }
inline QColor toQColor(Colour c) { return QColor(red(c), green(c), blue(c)); }
inline QRectF pixelRect(const Control& c) {
    return {toPixels(c.left()), toPixels(c.top()), toPixels(c.width()), toPixels(c.height())};
}
// Every pixel that an area in twips touches.
inline QRect toPixelRect(const TwipRect& r) {
    return QRectF(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height))
        .toAlignedRect();
}

// Tahoma from Wine's fonts when present, else DejaVu Sans; Liberation for Arial and
// Times New Roman.
QFont toQFont(const Font& font, double scale = 1);
// How far below Qt's first baseline the window system of the designs puts it, in whole pixels:
// it places text by the font's Windows ascent, where Qt takes the typographic one when the font
// asks for it (Wine's Tahoma does), which would lift every label's text by almost a quarter em.
qreal ascentShortfall(const QFont& font);

}  // namespace ui::qt
