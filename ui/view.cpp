#include "ui/view.h"

#include <algorithm>

namespace ui {

namespace {

double fit(Size display, Size design) {
    if (design.width <= 0 || design.height <= 0) return 1;
    return std::min(static_cast<double>(display.width) / design.width,
                    static_cast<double>(display.height) / design.height);
}

}  // namespace

View projectorView(Size display, Size design) {
    const double scale = fit(display, design);
    return {scale, (display.width - design.width * scale) / 2,
            (display.height - design.height * scale) / 2, true};
}

View boardView(Size display, Size design) {
    return {std::clamp(fit(display, design), 1.0, 2.0), 0, 0, false};
}

}  // namespace ui
