#include "ui/view.h"

#include <algorithm>
#include <cmath>

#include "ui/twips.h"

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

Placement fitToViewport(Size viewport, Size margins, Size client, bool floating, int left,
                        int top) {
    const Size room{viewport.width - margins.width, viewport.height - margins.height};
    // Too small a viewport for a frame still shows a window, however small.
    double scale = std::max(
        fit(room, {standardWindow.width - margins.width, standardWindow.height - margins.height}),
        0.1);
    if (floating) scale = std::max(std::min(scale, fit(room, client)), 0.1);
    // In whole pixels, as the window's area is.
    const auto pixels = [](double twips) { return std::floor(twips / twipsPerPixel); };
    const double width = pixels(client.width * scale) + pixels(margins.width);
    const double height = pixels(client.height * scale) + pixels(margins.height);
    const double across = pixels(viewport.width) - width, down = pixels(viewport.height) - height;
    const auto inside = [](double at, double room) { return std::max(std::min(at, room), 0.0); };
    // Where a window cannot fit whole, its caption's left end stays on view.
    const double x = inside(floating ? pixels(left) : std::floor(across / 2), across);
    const double y = inside(floating ? pixels(top) : std::floor(down / 2), down);
    return {static_cast<int>(x * twipsPerPixel),
            static_cast<int>(y * twipsPerPixel),
            {scale, 0, 0, false}};
}

View boardView(Size display, Size design) {
    return {std::clamp(fit(display, design), 1.0, 2.0), 0, 0, false};
}

}  // namespace ui
