#pragma once
#include <emscripten/val.h>

#include <string>
#include <unordered_map>

#include "ui/display_list.h"

namespace ui::web {

// The CSS font of a face, on the faces the page embeds (the desktop's own).
std::string cssFont(const FontFace& face);

// Text widths from the page's canvas, in the font the painter draws with, kept for the texts
// met up to a bound, so a day of screens never grows the cache without limit.
class CanvasMeasure : public TextMeasure {
public:
    double width(const FontFace& face, std::string_view text) override;

private:
    std::unordered_map<std::string, double> widths_;
};

// Hands a window's display list to the page's painter in one call: its numbers in one flat
// array, its texts and picture addresses in one string. On a repaint of areas, only what
// reaches into them goes, and only what lies above the Jotter's drawing when `aboveStrokes`.
void paintList(const emscripten::val& painter, const DisplayList& list, const Repaint& repaint,
               double devicePixelRatio, bool aboveStrokes);

}  // namespace ui::web
