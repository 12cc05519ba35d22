#include "web/canvas.h"

#include "ui/repaint_reach.h"
#include "web/web_picture.h"

using emscripten::val;

namespace ui::web {

std::string cssFont(const FontFace& face) {
    const char* family = face.family == "Arial"             ? "'Quillon Sans'"
                         : face.family == "Times New Roman" ? "'Quillon Serif'"
                                                            : "'Quillon Tahoma'";
    return std::string(face.bold ? "bold " : "normal ") + std::to_string(face.pixels) + "px " +
           family;
}

double CanvasMeasure::width(const FontFace& face, std::string_view text) {
    const std::string font = cssFont(face);
    std::string key = font + '\n' + std::string(text);
    if (const auto it = widths_.find(key); it != widths_.end()) return it->second;
    // Starting afresh is as good as any rule for what to forget: the screens in use refill it.
    if (widths_.size() == 4096) widths_.clear();
    const double w = val::global("Quillon").call<double>("measure", font, std::string(text));
    return widths_.emplace(std::move(key), w).first->second;
}

void paintList(const val& painter, const DisplayList& list, const Repaint& repaint,
               double devicePixelRatio, bool aboveStrokes) {
    std::vector<double> numbers{devicePixelRatio, double(repaint.areas.size())};
    for (const PixelRect& a : repaint.areas)
        numbers.insert(numbers.end(), {a.left, a.top, a.width, a.height});
    const std::size_t header = numbers.size();
    std::string strings;
    int stringCount = 0;
    const Surface* surface = nullptr;
    bool below = aboveStrokes;
    for (const Primitive& p : list.items) {
        if (below) {
            below = p.kind != Primitive::Kind::Strokes;
            continue;
        }
        if (!reaches(p, repaint)) continue;
        const int at = stringCount;
        if (p.kind == Primitive::Kind::Text)
            strings += cssFont(p.face) + '\x1f' + p.text + '\x1f', stringCount += 2;
        else if (const auto* picture = dynamic_cast<const WebPicture*>(p.picture.get()))
            strings += picture->url + '\x1f', stringCount += 1;
        if (p.surface) surface = p.surface;
        const double fill = p.filled || p.surface ? double(p.fill) : -1.0;
        numbers.insert(numbers.end(),
                       {double(p.kind), p.clip.left, p.clip.top, p.clip.width, p.clip.height,
                        p.rect.left, p.rect.top, p.rect.width, p.rect.height, double(p.colour)});
        numbers.insert(numbers.end(),
                       {fill, p.width, p.x1, p.y1, p.x2, p.y2, double(p.cap == LineCap::Round),
                        p.dash, double(at), p.scale});
    }
    if (numbers.size() == header) return;
    // Views on the model's own memory: nothing is copied, and the page reads them at once.
    static_assert(sizeof(Stroke) == 6 * sizeof(int));
    const std::size_t strokes = surface ? surface->strokes().size() : 0;
    const int* stroke = surface ? reinterpret_cast<const int*>(surface->strokes().data()) : nullptr;
    val::global("Quillon").call<void>(
        "paint", painter, val(emscripten::typed_memory_view(numbers.size(), numbers.data())),
        strings, val(emscripten::typed_memory_view(6 * strokes, stroke)));
}

}  // namespace ui::web
