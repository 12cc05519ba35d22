#pragma once
#include <algorithm>

namespace ui {

// A rectangle in twips; empty when it has no width or no height.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

inline TwipRect united(const TwipRect& a, const TwipRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int l = std::min(a.left, b.left);
    const int t = std::min(a.top, b.top);
    return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
}

}  // namespace ui
