#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ui/colour.h"
#include "ui/picture.h"
#include "ui/platform.h"

namespace ui {

class Control;
class Screen;
class Surface;

// A rectangle in a window's logical pixels.
struct PixelRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool intersects(const PixelRect& o) const {
        return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

PixelRect intersected(const PixelRect& a, const PixelRect& b);

// A face at a whole number of logical pixels. The family is the design's own name ("Tahoma",
// "Arial", "Times New Roman"); a backend maps it to the font files it has.
struct FontFace {
    std::string_view family = "Tahoma";
    int pixels = 11;
    bool bold = false;
    bool operator==(const FontFace&) const = default;
};

// How wide a backend's font draws a text, in logical pixels: the one thing about text that the
// model asks. Where the lines break, where each starts and where its baseline lies are decided
// here from it.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double width(const FontFace& face, std::string_view text) = 0;
};

enum class LineCap { Flat, Round };

// One thing to paint. Which fields count depends on the kind; each names the control it belongs
// to (null for the window's own ground, picture, drawing, focus ring and blank), and nothing of
// it shows outside its clip.
struct Primitive {
    enum class Kind {
        Fill,     // rect in colour
        Outline,  // a band `width` wide just inside rect, in colour
        Text,     // text in face and colour, starting at (x1, y1) on its baseline
        Line,     // (x1, y1) to (x2, y2), width, colour, cap, dashed `dash` on and `dash / 2`
                  // off; level and upright ones already on whole device pixels
        Ellipse,  // inside rect: filled with fill when `filled`, its edge `width` in colour
        Picture,  // picture scaled into rect
        Strokes,  // surface's strokes: its origin at rect's corner, ground `fill`, widths and
                  // places times `scale`, round ends
    };
    Kind kind = Kind::Fill;
    const Control* control = nullptr;
    PixelRect clip;
    PixelRect rect;
    Colour colour = 0;
    Colour fill = 0;
    bool filled = false;
    double width = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    LineCap cap = LineCap::Flat;
    double dash = 0;  // 0: solid
    FontFace face;
    std::string text;
    Picture picture;
    const Surface* surface = nullptr;
    double scale = 1;
};

// What a window shows, back to front, in its logical pixels at the screen's view.
struct DisplayList {
    PixelRect window;
    std::vector<Primitive> items;
};

// A screen's client area in whole logical pixels, as a window has them (a part pixel dropped):
// the design at its view, or the whole display while it fills it.
PixelRect windowArea(const Screen& screen, Size display);

// The screen's window of `window` logical pixels at `devicePixelRatio` device pixels to each.
// Every look rule of every kind of control, in every state, is here.
DisplayList displayList(const Screen& screen, PixelRect window, double devicePixelRatio,
                        TextMeasure& measure);

// What to paint again since the screen was last drawn, in the list's pixels: everything (none
// given) or these areas.
struct Repaint {
    bool whole = true;
    std::vector<PixelRect> areas;
};
Repaint repaintOf(const Screen& screen);

}  // namespace ui
