#include "ui/display_list.h"

#include <algorithm>
#include <cmath>

#include "ui/screen.h"
#include "ui/twips.h"

namespace ui {

PixelRect intersected(const PixelRect& a, const PixelRect& b) {
    const double l = std::max(a.left, b.left);
    const double t = std::max(a.top, b.top);
    return {l, t, std::max(0.0, std::min(a.right(), b.right()) - l),
            std::max(0.0, std::min(a.bottom(), b.bottom()) - t)};
}

namespace {

constexpr Colour black = rgb(0, 0, 0);
constexpr Colour white = rgb(255, 255, 255);
constexpr Colour grey = rgb(128, 128, 128);
constexpr Colour shade = rgb(64, 64, 64);

// The vertical metrics of the design's faces (Wine's Tahoma, Liberation Sans and Serif, whose
// bold faces match), in ems: where the first baseline lies below the top of a text box, how far
// apart lines are, and how far below the middle of a box a centred line's baseline lies.
struct FaceMetrics {
    double ascent;
    double lineSpacing;
    double centreDrop;
};

FaceMetrics metricsOf(std::string_view family) {
    constexpr double em = 2048;
    if (family == "Arial") return {1854 / em, 2355 / em, (1854 - 434) / 2 / em};
    if (family == "Times New Roman") return {1825 / em, 2355 / em, (1825 - 443) / 2 / em};
    return {2049 / em, 2048 / em, (1566 - 423) / 2 / em};
}

enum class Vertical { Top, Centre };

// A line of text as its words, each with its measured width; the line's width is theirs and
// the spaces' between them.
struct Word {
    std::string_view text;
    double width;
};
struct Line {
    std::vector<Word> words;
    double width = 0;
};

// Lines of a text in a box, broken at spaces where they would overrun it (when `wrap`) and at
// line breaks. Each word is measured once, however long the paragraph.
std::vector<Line> breakLines(std::string_view text, const FontFace& face, double width, bool wrap,
                             TextMeasure& measure) {
    std::vector<Line> lines;
    const double space = measure.width(face, " ");
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        Line line;
        for (std::size_t at = 0; at <= paragraph.size();) {
            const std::size_t gap = std::min(paragraph.find(' ', at), paragraph.size());
            const Word word{paragraph.substr(at, gap - at), 0};
            const double w = measure.width(face, word.text);
            const double gapBefore = line.words.empty() ? 0 : space;
            if (wrap && !line.words.empty() && line.width + gapBefore + w > width) {
                lines.push_back(std::move(line));
                line = Line{};
            }
            line.width += (line.words.empty() ? 0 : space) + w;
            line.words.push_back({word.text, w});
            at = gap + 1;
        }
        lines.push_back(std::move(line));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

// Turns a screen's controls into primitives at its view.
class Builder {
public:
    Builder(const Screen& screen, PixelRect window, double ratio, TextMeasure& measure)
        : screen_(screen), view_(screen.view()), ratio_(ratio), measure_(measure) {
        list_.window = window;
        // A few primitives a control: growing the list as it fills costs more than building it.
        list_.items.reserve(screen.controls().size() * 4 + 8);
    }

    DisplayList build() {
        const PixelRect all = list_.window;
        // A presenter's blank: black and nothing else.
        fill(nullptr, all, all, screen_.blanked() ? black : screen_.backColour());
        if (screen_.blanked()) return std::move(list_);
        const Origin origin{view_.offsetX / twipsPerPixel, view_.offsetY / twipsPerPixel, all};
        const PixelRect client{origin.x, origin.y, screen_.clientWidth() * scale(),
                               screen_.clientHeight() * scale()};
        if (!screen_.surface().untouched()) {
            Primitive p = item(Primitive::Kind::Strokes, nullptr, all);
            p.rect = client;
            p.fill = screen_.surfaceColour();
            p.surface = &screen_.surface();
            p.scale = view_.scale;
            list_.items.push_back(std::move(p));
        }
        picture(nullptr, screen_.picture(), origin.x, origin.y, all);
        contents(nullptr, origin);
        ring();
        return std::move(list_);
    }

private:
    // Where a container's design origin lies in the window, and what it clips to.
    struct Origin {
        double x;
        double y;
        PixelRect clip;
    };

    double scale() const { return view_.scale / twipsPerPixel; }
    double snap(double v) const { return std::round(v * ratio_) / ratio_; }
    // A length of `px` design pixels at the view, at least one device pixel.
    double thickness(double px) const {
        return std::max(1.0, std::round(px * view_.scale * ratio_)) / ratio_;
    }

    PixelRect rectOf(const Control& c, const Origin& o) const {
        const double l = snap(o.x + c.left() * scale());
        const double t = snap(o.y + c.top() * scale());
        return {l, t, snap(o.x + (c.left() + c.width()) * scale()) - l,
                snap(o.y + (c.top() + c.height()) * scale()) - t};
    }

    // Scaled from the design's whole pixels and rounded down: text that fits its box at the
    // design size fits it at any scale.
    FontFace faceOf(const Control& c) const {
        const double px = std::round(c.font().points * 96 / 72) * view_.scale;
        return {c.font().name, std::max(1, static_cast<int>(std::floor(px + 1e-9))), c.font().bold};
    }

    Primitive item(Primitive::Kind kind, const Control* c, const PixelRect& clip) const {
        Primitive p;
        p.kind = kind;
        p.control = c;
        p.clip = clip;
        return p;
    }

    void fill(const Control* c, const PixelRect& r, const PixelRect& clip, Colour colour) {
        Primitive p = item(Primitive::Kind::Fill, c, clip);
        p.rect = r;
        p.colour = colour;
        list_.items.push_back(std::move(p));
    }

    void outline(const Control* c, const PixelRect& r, const PixelRect& clip, Colour colour,
                 double width) {
        Primitive p = item(Primitive::Kind::Outline, c, clip);
        p.rect = r;
        p.colour = colour;
        p.width = width;
        list_.items.push_back(std::move(p));
    }

    void ellipse(const Control* c, const PixelRect& r, const PixelRect& clip, const Colour* fill,
                 Colour edge, double width) {
        Primitive p = item(Primitive::Kind::Ellipse, c, clip);
        p.rect = r;
        p.filled = fill != nullptr;
        p.fill = fill ? *fill : 0;
        p.colour = edge;
        p.width = width;
        list_.items.push_back(std::move(p));
    }

    void line(const Control* c, const PixelRect& clip, double x1, double y1, double x2, double y2,
              Colour colour, double width, LineCap cap) {
        Primitive p = item(Primitive::Kind::Line, c, clip);
        p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
        p.colour = colour;
        p.width = width;
        p.cap = cap;
        list_.items.push_back(std::move(p));
    }

    void picture(const Control* c, const Picture& pic, double x, double y, const PixelRect& clip) {
        if (!pic) return;
        Primitive p = item(Primitive::Kind::Picture, c, clip);
        p.rect = {snap(x), snap(y), pic->widthPx() * view_.scale, pic->heightPx() * view_.scale};
        p.picture = pic;
        list_.items.push_back(std::move(p));
    }

    // A text in a box: broken into lines (when `wrap`), each placed by the alignment, the first
    // baseline at the box's top by the face's ascent or the block centred upright in the box.
    // Greyed, it is grey over a white shadow a pixel down and right.
    void text(const Control* c, std::string_view words, const FontFace& face, Colour colour,
              const PixelRect& box, Alignment align, Vertical vertical, bool wrap,
              const PixelRect& clip, bool greyed = false) {
        if (words.empty()) return;
        const FaceMetrics m = metricsOf(face.family);
        const std::vector<Line> lines = breakLines(words, face, box.width, wrap, measure_);
        const double spacing = std::round(m.lineSpacing * face.pixels);
        double baseline = vertical == Vertical::Top
                              ? box.top + std::round(m.ascent * face.pixels)
                              : box.top + box.height / 2 + m.centreDrop * face.pixels -
                                    (lines.size() - 1) * spacing / 2;
        const double space = measure_.width(face, " ");
        for (const Line& l : lines) {
            double at = align == Alignment::Left    ? box.left
                        : align == Alignment::Right ? box.right() - l.width
                                                    : box.left + (box.width - l.width) / 2;
            const double y = snap(baseline);
            // Word by word, each from the line's start by the measured widths: a backend that
            // puts letters on whole pixels drifts within a word, never along the line.
            for (const Word& w : l.words) {
                if (!w.text.empty()) {
                    if (greyed)
                        textRun(c, w.text, face, white, snap(at) + thickness(1), y + thickness(1),
                                clip);
                    textRun(c, w.text, face, greyed ? grey : colour, snap(at), y, clip);
                }
                at += w.width + space;
            }
            baseline += spacing;
        }
    }

    void textRun(const Control* c, std::string_view words, const FontFace& face, Colour colour,
                 double x, double y, const PixelRect& clip) {
        Primitive p = item(Primitive::Kind::Text, c, clip);
        p.text = words;
        p.face = face;
        p.colour = colour;
        p.x1 = x;
        p.y1 = y;
        list_.items.push_back(std::move(p));
    }

    // What a container (the screen when null) holds: its drawn controls back to front, then its
    // windowed ones above them.
    void contents(const Control* container, const Origin& o) {
        for (bool windowed : {false, true})
            for (const auto& owned : screen_.controls()) {
                const Control& c = *owned;
                if (c.container() != container || !c.visible() || isWindowed(c.kind()) != windowed)
                    continue;
                control(c, o);
            }
    }

    void control(const Control& c, const Origin& o) {
        switch (c.kind()) {
            case ControlKind::Label: return label(c, o);
            case ControlKind::Image:
                return picture(&c, c.picture(), o.x + c.left() * scale(), o.y + c.top() * scale(),
                               o.clip);
            case ControlKind::Line: return shapeLine(c, o);
            case ControlKind::Circle: return circle(c, o);
            case ControlKind::Button: return button(c, o);
            case ControlKind::OptionButton:
            case ControlKind::CheckBox: return choice(c, o);
            case ControlKind::Frame:
            case ControlKind::PictureBox: return frame(c, o);
        }
    }

    void label(const Control& c, const Origin& o) {
        const PixelRect r = rectOf(c, o);
        const PixelRect clip = intersected(r, o.clip);
        if (c.opaque()) fill(&c, r, clip, c.backColour());
        PixelRect box = r;
        if (c.border()) {
            outline(&c, r, clip, black, thickness(1));
            const double across = 2 * view_.scale, down = view_.scale;
            box = {r.left + across, r.top + down, r.width - 2 * across, r.height - 2 * down};
        }
        text(&c, c.caption(), faceOf(c), c.foreColour(), box, c.alignment(), Vertical::Top, true,
             clip, !c.enabled());
    }

    // A level or upright line lands on whole device pixels, as the window system draws it: each
    // end and its place across round to a pixel, an odd width is centred on that pixel and an
    // even one on its leading edge, and flat ends reach half the pen past the end pixels so the
    // end pixels are covered and dashes keep their pattern. Any other line is smoothed, with
    // round ends; a line of no length is a round dot.
    void shapeLine(const Control& c, const Origin& o) {
        double x1 = (o.x + c.x1() * scale()) * ratio_, y1 = (o.y + c.y1() * scale()) * ratio_;
        double x2 = (o.x + c.x2() * scale()) * ratio_, y2 = (o.y + c.y2() * scale()) * ratio_;
        const int width =
            std::max(1, static_cast<int>(std::lround(c.borderWidth() * view_.scale * ratio_)));
        const bool level = c.y1() == c.y2();
        const bool upright = c.x1() == c.x2();
        auto snapped = [width](double v) { return std::round(v) + (width % 2 ? 0.5 : 0.0); };
        LineCap cap = LineCap::Round;
        if (level != upright) {
            cap = LineCap::Flat;
            const double across = snapped(level ? y1 : x1);
            const double a = level ? x1 : y1;
            const double b = level ? x2 : y2;
            const double out = (b < a ? -width : width) / 2.0;
            if (level) {
                x1 = snapped(a) - out, x2 = snapped(b) + out, y1 = y2 = across;
            } else {
                y1 = snapped(a) - out, y2 = snapped(b) + out, x1 = x2 = across;
            }
        }
        Primitive p = item(Primitive::Kind::Line, &c, o.clip);
        p.x1 = x1 / ratio_, p.y1 = y1 / ratio_, p.x2 = x2 / ratio_, p.y2 = y2 / ratio_;
        p.colour = c.foreColour();
        p.width = width / ratio_;
        p.cap = cap;
        p.dash = c.dashed() ? 4 * p.width : 0;
        list_.items.push_back(std::move(p));
    }

    // The largest circle the box holds, centred; a border of width 0 leaves a plain disc.
    void circle(const Control& c, const Origin& o) {
        const double w = c.width() * scale(), h = c.height() * scale();
        const double side = std::min(w, h);
        const PixelRect r{o.x + c.left() * scale() + (w - side) / 2,
                          o.y + c.top() * scale() + (h - side) / 2, side, side};
        const Colour back = c.backColour();
        ellipse(&c, r, o.clip, &back, c.foreColour(),
                c.borderWidth() > 0 ? c.borderWidth() * view_.scale : 0);
    }

    // A push button: its colour, the picture or caption centred (a pixel down and right while
    // pushed in), and an edge raised, or pressed in while held down.
    void button(const Control& c, const Origin& o) {
        const PixelRect r = rectOf(c, o);
        const PixelRect clip = intersected(r, o.clip);
        fill(&c, r, clip, c.backColour());
        const double push = c.pressed() ? thickness(1) : 0;
        if (const Picture& pic = c.picture()) {
            picture(&c, pic, r.left + (r.width - pic->widthPx() * view_.scale) / 2 + push,
                    r.top + (r.height - pic->heightPx() * view_.scale) / 2 + push, clip);
        } else {
            const PixelRect box{r.left + push, r.top + push, r.width, r.height};
            text(&c, c.caption(), faceOf(c), c.enabled() ? c.foreColour() : grey, box,
                 Alignment::Centre, Vertical::Centre, false, clip);
        }
        const double edge = 1 / ratio_ * std::max(1.0, std::round(ratio_));
        const Colour lit = c.pressed() ? shade : white, dark = c.pressed() ? white : shade;
        fill(&c, {r.left, r.top, r.width, edge}, clip, lit);
        fill(&c, {r.left, r.top, edge, r.height}, clip, lit);
        fill(&c, {r.left, r.bottom() - edge, r.width, edge}, clip, dark);
        fill(&c, {r.right() - edge, r.top, edge, r.height}, clip, dark);
    }

    // The box or circle that shows a choice: 13 design pixels, a pixel in from the left and
    // centred upright; its caption after it.
    PixelRect markOf(const PixelRect& r) const {
        const double side = snap(13 * view_.scale);
        return {snap(r.left + view_.scale), snap(r.top + (r.height - side) / 2), side, side};
    }
    PixelRect captionBoxOf(const PixelRect& r) const {
        const double left = snap(r.left + 19 * view_.scale);
        return {left, r.top, std::max(0.0, r.right() - left), r.height};
    }

    // An option button or the tick box: a white circle or square with a grey edge, and in it a
    // black dot or a tick when chosen; greyed when disabled. The tick box's caption, wider than
    // its box, wraps onto the lines below.
    void choice(const Control& c, const Origin& o) {
        const PixelRect r = rectOf(c, o);
        const PixelRect clip = intersected(r, o.clip);
        fill(&c, r, clip, c.backColour());
        const PixelRect mark = markOf(r);
        const Colour ground = c.enabled() ? white : rgb(192, 192, 192);
        const Colour ink = c.enabled() ? black : grey;
        const bool tick = c.kind() == ControlKind::CheckBox;
        if (tick) {
            fill(&c, mark, clip, ground);
            outline(&c, mark, clip, grey, thickness(1));
        } else {
            ellipse(&c, mark, clip, &ground, grey, thickness(1));
        }
        if (c.value() && tick) {
            const double u = mark.width / 13;
            line(&c, clip, mark.left + 3 * u, mark.top + 6.5 * u, mark.left + 5.5 * u,
                 mark.top + 9 * u, ink, thickness(2), LineCap::Flat);
            line(&c, clip, mark.left + 5.5 * u, mark.top + 9 * u, mark.left + 10 * u,
                 mark.top + 4 * u, ink, thickness(2), LineCap::Flat);
        } else if (c.value()) {
            const double dot = snap(5 * view_.scale);
            ellipse(
                &c,
                {mark.left + (mark.width - dot) / 2, mark.top + (mark.height - dot) / 2, dot, dot},
                clip, &ink, ink, 0);
        }
        text(&c, c.caption(), faceOf(c), c.enabled() ? c.foreColour() : grey, captionBoxOf(r),
             Alignment::Left, Vertical::Centre, tick, clip);
    }

    // A frame or picture box: its colour and picture, a caption breaking its border at the top
    // left, then what it holds, none of it outside it.
    void frame(const Control& c, const Origin& o) {
        const PixelRect r = rectOf(c, o);
        const PixelRect clip = intersected(r, o.clip);
        fill(&c, r, clip, c.backColour());
        picture(&c, c.picture(), r.left, r.top, clip);
        if (!c.caption().empty()) {
            const FontFace face = faceOf(c);
            const double height = std::round(metricsOf(face.family).lineSpacing * face.pixels);
            const double width = measure_.width(face, c.caption()) + 4 * view_.scale;
            const double half = snap(height / 2);
            outline(&c, {r.left, r.top + half, r.width, r.height - half}, clip, c.foreColour(),
                    thickness(1));
            const PixelRect behind{snap(r.left + 8 * view_.scale), r.top, width, height};
            fill(&c, behind, clip, c.backColour());
            text(&c, c.caption(), face, c.foreColour(), behind, Alignment::Centre, Vertical::Centre,
                 false, clip);
        }
        contents(&c, {r.left, r.top, clip});
    }

    // Two tones, white around black, inside the focused control's box so nothing clips it; a
    // box thinner than the ring (a level or upright edge) is given room.
    void ring() {
        const Control* focused = screen_.focused();
        if (!focused || !screen_.focusShown()) return;
        const TwipRect area = screen_.areaOf(*focused);
        const double ox = view_.offsetX / twipsPerPixel, oy = view_.offsetY / twipsPerPixel;
        double l = std::floor(ox + area.left * scale()), t = std::floor(oy + area.top * scale());
        double r = std::ceil(ox + area.right() * scale()),
               b = std::ceil(oy + area.bottom() * scale());
        constexpr double smallest = 16;
        const double growX = std::max(0.0, std::floor((smallest - (r - l) + 1) / 2));
        const double growY = std::max(0.0, std::floor((smallest - (b - t) + 1) / 2));
        l -= growX, r += growX, t -= growY, b += growY;
        const PixelRect box{l, t, r - l, b - t};
        outline(focused, box, list_.window, white, 4);
        outline(focused, {l + 2, t + 2, r - l - 4, b - t - 4}, list_.window, black, 2);
    }

    const Screen& screen_;
    View view_;
    double ratio_;
    TextMeasure& measure_;
    DisplayList list_;
};

}  // namespace

DisplayList displayList(const Screen& screen, PixelRect window, double devicePixelRatio,
                        TextMeasure& measure) {
    return Builder(screen, window, devicePixelRatio, measure).build();
}

PixelRect windowArea(const Screen& screen, Size display) {
    const View v = screen.view();
    const double w = v.fillsDisplay ? display.width : screen.clientWidth() * v.scale;
    const double h = v.fillsDisplay ? display.height : screen.clientHeight() * v.scale;
    return {0, 0, std::floor(w / twipsPerPixel), std::floor(h / twipsPerPixel)};
}

Repaint repaintOf(const Screen& screen) {
    Repaint r;
    r.whole = screen.wholeChanged();
    if (r.whole) return r;
    const View v = screen.view();
    const double k = v.scale / twipsPerPixel;
    for (const Screen::Damage& d : screen.damaged()) {
        double x = v.offsetX / twipsPerPixel, y = v.offsetY / twipsPerPixel;
        for (const Control* holder = d.container; holder; holder = holder->container())
            x += holder->left() * k, y += holder->top() * k;
        // Whole pixels round it, a pixel more for smoothing.
        const double l = std::floor(x + d.area.left * k) - 1,
                     t = std::floor(y + d.area.top * k) - 1;
        r.areas.push_back({l, t, std::ceil(x + d.area.right() * k) + 1 - l,
                           std::ceil(y + d.area.bottom() * k) + 1 - t});
    }
    return r;
}

}  // namespace ui
