#include "web/canvas.h"

#include <algorithm>

#include "ui/surface.h"
#include "web/web_picture.h"

using emscripten::val;

namespace ui::web {

std::string cssFont(const FontFace& face) {
    const char* family = face.family == "Arial"             ? "'Quillon Sans'"
                         : face.family == "Times New Roman" ? "'Quillon Serif'"
                                                            : "'Quillon Tahoma'";
    return std::string(face.bold ? "bold " : "normal ") + std::to_string(face.pixels * 10) + "px " +
           family;
}

double CanvasMeasure::width(const FontFace& face, std::string_view text) {
    std::string key{face.family};
    key += face.bold ? '*' : ' ';
    key += std::to_string(face.pixels);
    key += '\n';
    key += text;
    if (const auto it = widths_.find(key); it != widths_.end()) return it->second;
    // Starting afresh is as good as any rule for what to forget: the screens in use refill it.
    if (widths_.size() == kept) widths_.clear();
    const double w = emscripten::val::global("Quillon").call<double>("measure", cssFont(face),
                                                                     std::string(text));
    widths_.emplace(std::move(key), w);
    return w;
}

namespace {

// What a primitive may touch, within its clip.
PixelRect reachOf(const Primitive& p) {
    switch (p.kind) {
        case Primitive::Kind::Text: return p.clip;
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

}  // namespace

void paintList(const val& painter, const DisplayList& list, const Repaint& repaint,
               double devicePixelRatio, bool aboveStrokes) {
    std::vector<double> numbers{devicePixelRatio, repaint.whole ? 0.0 : repaint.areas.size()};
    for (const PixelRect& a : repaint.whole ? std::vector<PixelRect>{} : repaint.areas)
        numbers.insert(numbers.end(), {a.left, a.top, a.width, a.height});
    std::string strings;
    int stringCount = 0;
    auto add = [&](const std::string& s) {
        strings += s + '\x1f';
        return stringCount++;
    };
    const Surface* surface = nullptr;
    bool below = aboveStrokes;
    for (const Primitive& p : list.items) {
        if (below) {
            below = p.kind != Primitive::Kind::Strokes;
            continue;
        }
        if (!reaches(p, repaint)) continue;
        int at = 0;
        if (p.kind == Primitive::Kind::Text) {
            at = add(cssFont(p.face));
            add(p.text);
        } else if (const auto* picture = dynamic_cast<const WebPicture*>(p.picture.get())) {
            at = add(picture->url());
        }
        if (p.surface) surface = p.surface;
        numbers.insert(numbers.end(), {double(int(p.kind)),
                                       p.clip.left,
                                       p.clip.top,
                                       p.clip.width,
                                       p.clip.height,
                                       p.rect.left,
                                       p.rect.top,
                                       p.rect.width,
                                       p.rect.height,
                                       double(p.colour),
                                       p.filled || p.surface ? double(p.fill) : -1.0,
                                       p.width,
                                       p.x1,
                                       p.y1,
                                       p.x2,
                                       p.y2,
                                       p.cap == LineCap::Round ? 1.0 : 0.0,
                                       p.dash,
                                       double(at),
                                       p.scale});
    }
    if (numbers.size() == 2 + 4 * std::size_t(numbers[1])) return;
    // Views on the model's own memory: nothing is copied, and the page reads them at once.
    static_assert(sizeof(Stroke) == 6 * sizeof(int));
    const std::size_t strokes = surface ? surface->strokes().size() : 0;
    const int* stroke = surface ? reinterpret_cast<const int*>(surface->strokes().data()) : nullptr;
    val::global("Quillon").call<void>(
        "paint", painter, val(emscripten::typed_memory_view(numbers.size(), numbers.data())),
        strings, val(emscripten::typed_memory_view(6 * strokes, stroke)));
}

}  // namespace ui::web
