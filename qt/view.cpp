#include "qt/view.h"

#include <algorithm>

namespace ui::qt {

namespace {

double fit(QSizeF display, QSizeF design) {
    if (design.isEmpty()) return 1;
    return std::min(display.width() / design.width(), display.height() / design.height());
}

}  // namespace

View projectorView(QSizeF display, QSizeF design) {
    const double scale = fit(display, design);
    return {scale, QPointF((display.width() - design.width() * scale) / 2,
                           (display.height() - design.height() * scale) / 2)};
}

View boardView(QSizeF display, QSizeF design) {
    return {std::clamp(fit(display, design), 1.0, 2.0), {}};
}

}  // namespace ui::qt
