#include "ui/repaint_reach.h"

#include <algorithm>
#include <cmath>

#include "ui/twips.h"

namespace ui {

PixelRect reachOf(const Primitive& p) {
    switch (p.kind) {
        case Primitive::Kind::Text: return p.clip;
        // The edge's pen is centred on the rim, and smoothing reaches a pixel past it.
        case Primitive::Kind::Ellipse: {
            const double out = p.width / 2 + 1;
            return intersected(p.clip, {p.rect.left - out, p.rect.top - out, p.rect.width + 2 * out,
                                        p.rect.height + 2 * out});
        }
        case Primitive::Kind::Line: {
            const double l = std::min(p.x1, p.x2) - p.width, t = std::min(p.y1, p.y2) - p.width;
            return intersected(p.clip, {l, t, std::max(p.x1, p.x2) + p.width - l,
                                        std::max(p.y1, p.y2) + p.width - t});
        }
        default: return intersected(p.clip, p.rect);
    }
}

bool reaches(const Primitive& p, const Repaint& repaint) {
    if (repaint.whole) return true;
    const PixelRect reach = reachOf(p);
    return std::any_of(repaint.areas.begin(), repaint.areas.end(),
                       [&](const PixelRect& a) { return a.intersects(reach); });
}

PixelRect reachOf(const Stroke& s, const View& v) {
    const double k = v.scale / twipsPerPixel, reach = s.widthPx * v.scale / 2 + 2;
    return {v.offsetX / twipsPerPixel + std::min(s.x1, s.x2) * k - reach,
            v.offsetY / twipsPerPixel + std::min(s.y1, s.y2) * k - reach,
            std::abs(s.x2 - s.x1) * k + 2 * reach, std::abs(s.y2 - s.y1) * k + 2 * reach};
}

}  // namespace ui
