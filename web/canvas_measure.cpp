#include "web/canvas_measure.h"

#include <emscripten/val.h>

namespace ui::web {

std::string cssFont(const FontFace& face) {
    const char* family = face.family == "Arial"             ? "'Quillon Sans'"
                         : face.family == "Times New Roman" ? "'Quillon Serif'"
                                                            : "'Quillon Tahoma'";
    return std::string(face.bold ? "bold " : "normal ") + std::to_string(face.pixels * 100) +
           "px " + family;
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

}  // namespace ui::web
