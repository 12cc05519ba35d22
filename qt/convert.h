#pragma once
#include <QColor>
#include <QRect>
#include <cmath>

#include "ui/colour.h"
#include "ui/twip_rect.h"
#include "ui/twips.h"
#include "ui/view.h"

namespace ui::qt {

inline double toPixels(double twips) { return twips / twipsPerPixel; }
inline int toTwips(double pixels) { return static_cast<int>(pixels * twipsPerPixel); }
inline QColor toQColor(Colour c) { return QColor(red(c), green(c), blue(c)); }
// Where an area of the design lies in the window at the view, its edges on whole pixels.
inline QRect toWindowRect(const View& v, const TwipRect& a) {
    const auto px = [](double twips) { return static_cast<int>(std::lround(toPixels(twips))); };
    return QRect(QPoint(px(v.toWindowX(a.left)), px(v.toWindowY(a.top))),
                 QPoint(px(v.toWindowX(a.right())) - 1, px(v.toWindowY(a.bottom())) - 1));
}

}  // namespace ui::qt
