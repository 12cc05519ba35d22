#include "ui/text_overflow.h"

#include <algorithm>
#include <cstdio>

#include "ui/control.h"

namespace ui {

std::vector<std::string> overflowingTexts(const DisplayList& list, TextMeasure& measure) {
    std::vector<std::string> out;
    for (const Primitive& p : list.items) {
        if (p.kind != Primitive::Kind::Text || !p.control) continue;
        // Above the baseline, the height of a capital.
        const double w = measure.width(p.face, p.text);
        const PixelRect& c = p.clip;
        const double outside = std::max({c.left - p.x1, p.x1 + w - c.right(),
                                         c.top - (p.y1 - 0.7 * p.face.pixels), p.y1 - c.bottom()});
        if (outside <= 1) continue;
        char by[96];
        std::snprintf(by, sizeof by,
                      " (%.1f px outside its %.1fx%.1f clip; %.1f wide at %.1f,%.1f)", outside,
                      c.width, c.height, w, p.x1 - c.left, p.y1 - c.top);
        std::string line = p.control->name();
        if (p.control->index() >= 0) line += '[' + std::to_string(p.control->index()) + ']';
        out.push_back(line + ": \"" + p.text + '"' + by);
    }
    return out;
}

}  // namespace ui
