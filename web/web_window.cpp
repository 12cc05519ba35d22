#include "web/web_window.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ui/twips.h"
#include "web/web_picture.h"
#include "web/web_platform.h"

using emscripten::val;

namespace ui::web {

namespace {

// Pixels as CSS writes them, to a hundredth.
std::string px(double twips) {
    char out[32];
    std::snprintf(out, sizeof out, "%.2fpx", twips / twipsPerPixel);
    return out;
}

std::string css(Colour c) {
    char out[16];
    std::snprintf(out, sizeof out, "#%02x%02x%02x", red(c), green(c), blue(c));
    return out;
}

// The design's font names, on the faces the page embeds (the desktop's own), then the
// machine's.
std::string fontOf(const Font& f, double scale = 1) {
    const char* family = f.name == "Arial"             ? "'Quillon Sans', Arial, sans-serif"
                         : f.name == "Times New Roman" ? "'Quillon Serif', 'Times New Roman', serif"
                                                       : "'Quillon Tahoma', Tahoma, sans-serif";
    char out[128];
    std::snprintf(out, sizeof out, "%s %.2fpx %s", f.bold ? "bold" : "normal",
                  f.points * 20 / twipsPerPixel * scale, family);
    return out;
}

std::string box(const Control& c) {
    return "left:" + px(c.left()) + ";top:" + px(c.top()) + ";width:" + px(c.width()) +
           ";height:" + px(c.height()) + ";";
}

const char* tagOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button: return "button";
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: return "label";
        case ControlKind::Image: return "img";
        case ControlKind::Line: return "svg";
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::PictureBox:
        case ControlKind::Circle: break;
    }
    return "div";
}

val document() { return val::global("document"); }

const char* ariaRole(Role role) {
    switch (role) {
        case Role::Button: return "button";
        case Role::Tab: return "tab";
        case Role::RadioButton: return "radio";
        case Role::CheckBox: return "checkbox";
        case Role::Group: return "group";
        case Role::Auto:
        case Role::Hidden:
        case Role::Text: break;
    }
    return "";
}

// The text the element itself shows, which a screen reader already reads as its name.
std::string ownText(const Control& c) {
    switch (c.kind()) {
        case ControlKind::Button: return c.picture() ? "" : c.caption();
        case ControlKind::Label:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: return c.caption();
        case ControlKind::Image:
        case ControlKind::Line:
        case ControlKind::Frame:
        case ControlKind::PictureBox:
        case ControlKind::Circle: break;
    }
    return "";
}

// An empty value takes the attribute away.
void setAttribute(const val& element, const char* name, const std::string& value) {
    if (value.empty())
        element.call<void>("removeAttribute", std::string(name));
    else
        element.call<void>("setAttribute", std::string(name), value);
}

val make(const char* tag) {
    if (std::string(tag) == "svg")
        return document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                    std::string("svg"));
    return document().call<val>("createElement", std::string(tag));
}

// A line inside its own small drawing, a pen's reach beyond its ends.
struct LineShape {
    double left, top;       // of the drawing, twips
    double x1, y1, x2, y2;  // the ends inside it, pixels
    double width, height;   // of the drawing, twips
    bool straight;          // level or upright
};

LineShape lineShape(const Control& c) {
    const double reach = (c.borderWidth() + 2) * twipsPerPixel;
    const double left = std::min(c.x1(), c.x2()) - reach;
    const double top = std::min(c.y1(), c.y2()) - reach;
    return {left,
            top,
            (c.x1() - left) / twipsPerPixel,
            (c.y1() - top) / twipsPerPixel,
            (c.x2() - left) / twipsPerPixel,
            (c.y2() - top) / twipsPerPixel,
            std::abs(c.x2() - c.x1()) + 2 * reach,
            std::abs(c.y2() - c.y1()) + 2 * reach,
            c.x1() == c.x2() || c.y1() == c.y2()};
}

// Strokes to the page's canvas as a view on the model's own memory: nothing is copied.
void drawStrokes(const val& canvas, const Stroke* strokes, std::size_t count, double scale) {
    static_assert(sizeof(Stroke) == 6 * sizeof(int));
    val::global("Quillon").call<void>(
        "drawStrokes", canvas,
        val(emscripten::typed_memory_view(6 * count, reinterpret_cast<const int*>(strokes))),
        scale);
}

}  // namespace

WebWindow::WebWindow(WebPlatform& platform, Screen& screen, int id)
    : platform_(platform), screen_(&screen), id_(id), frame_(make("div")), caption_(make("div")),
      client_(make("div")), design_(make("div")), canvas_(make("canvas")), tabList_(make("div")) {
    frame_.set("className", std::string("window"));
    frame_["dataset"].set("screen", screen.name());
    frame_["dataset"].set("window", id);
    caption_.set("className", std::string("caption"));
    client_.set("className", std::string("client"));
    design_.set("className", std::string("design"));
    canvas_.set("className", std::string("surface"));
    frame_.call<void>("appendChild", caption_);
    frame_.call<void>("appendChild", client_);
    client_.call<void>("appendChild", canvas_);
    client_.call<void>("appendChild", design_);
    client_.call<void>("appendChild", tabList_);
    platform_.desktop().call<void>("appendChild", frame_);
    screen.surface().setListener(this);
}

WebWindow::~WebWindow() {
    detach();
    frame_.call<void>("remove");
}

void WebWindow::detach() {
    if (!screen_) return;
    screen_->surface().setListener(nullptr);
    screen_ = nullptr;
}

void WebWindow::hide() { frame_["style"].set("display", std::string("none")); }

void WebWindow::setStacking(int z) { frame_["style"].set("zIndex", z); }

void WebWindow::setActive(bool active) {
    frame_["classList"].call<void>("toggle", std::string("active"), active);
}

Control* WebWindow::controlNumbered(int number) const {
    for (const auto& [control, node] : nodes_)
        if (node.number == number) return const_cast<Control*>(control);
    return nullptr;
}

val WebWindow::containerElement(const Control* container) {
    return container ? nodeFor(*container).element : design_;
}

WebWindow::Node& WebWindow::nodeFor(const Control& c) {
    auto it = nodes_.find(&c);
    if (it != nodes_.end()) return it->second;
    Node n{make(tagOf(c.kind())), {}, static_cast<int>(nodes_.size()) + 1};
    n.element["dataset"].set("name", c.name());
    if (c.index() >= 0) n.element["dataset"].set("index", c.index());
    n.element["dataset"].set("control", n.number);
    n.element.set("id", "w" + std::to_string(id_) + "c" + std::to_string(n.number));
    if (c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::CheckBox) {
        val input = make("input");
        input.set("type", std::string(c.kind() == ControlKind::CheckBox ? "checkbox" : "radio"));
        // Only drawn: its label is the control that a screen reader meets.
        input.set("inert", true);
        n.element.call<void>("appendChild", input);
        n.element.call<void>("appendChild", make("span"));
    } else if (c.kind() == ControlKind::Line) {
        n.element.call<void>(
            "appendChild",
            document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                 std::string("line")));
    }
    val parent = containerElement(c.container());
    parent.call<void>("appendChild", n.element);
    return nodes_.emplace(&c, std::move(n)).first->second;
}

// Where only controls changed (a drag, a click on an edge), only those are written again.
void WebWindow::sync() {
    if (!screen_ || screen_->revision() == syncedRevision_) return;
    const bool whole = syncedRevision_ == ~0ULL || screen_->wholeChanged();
    syncedRevision_ = screen_->revision();
    screen_->markDrawn();
    if (whole) syncFrame();
    for (const auto& owned : screen_->controls()) {
        Node& n = nodeFor(*owned);
        if (!whole && n.revision == owned->revision()) continue;
        n.revision = owned->revision();
        syncControl(*owned, n);
        syncAccess(*owned, n);
    }
    if (whole) syncTabList();
    restack();
}

// The frame, its caption and the client area at the view: the design size where the screen
// stands, or the whole desktop.
void WebWindow::syncFrame() {
    const View v = screen_->view();
    const Size desktop = platform_.displaySize();
    std::string frame = v.fillsDisplay
                            ? "left:0;top:0;border-width:0;"
                            : "left:" + px(screen_->left()) + ";top:" + px(screen_->top()) + ";";
    const double clientWidth = v.fillsDisplay ? desktop.width : screen_->clientWidth() * v.scale;
    const double clientHeight = v.fillsDisplay ? desktop.height : screen_->clientHeight() * v.scale;
    frame += "display:" + std::string(screen_->shown() ? "block" : "none") + ";";
    const std::string client = "width:" + px(clientWidth) + ";height:" + px(clientHeight) +
                               ";background:" + css(screen_->backColour()) + ";";
    char transform[96];
    std::snprintf(transform, sizeof transform, "translate(%.2fpx,%.2fpx) scale(%.5f)",
                  v.offsetX / twipsPerPixel, v.offsetY / twipsPerPixel, v.scale);
    std::string design = "width:" + px(screen_->clientWidth()) +
                         ";height:" + px(screen_->clientHeight()) + ";transform:" + transform + ";";
    if (const auto* picture = dynamic_cast<const WebPicture*>(screen_->picture().get()))
        design += "background-image:url(" + picture->url() + ");";
    const std::string drawn = frame + "|" + client + "|" + design + "|" + screen_->caption() +
                              (screen_->windowButtons() ? "x" : "") + (v.fillsDisplay ? "f" : "");
    if (drawn != frameDrawn_) {
        frameDrawn_ = drawn;
        frame_["style"].set("cssText", frame);
        frame_["classList"].call<void>("toggle", std::string("filling"), v.fillsDisplay);
        frame_["classList"].call<void>("toggle", std::string("topmost"), screen_->topmost());
        client_["style"].set("cssText", client);
        design_["style"].set("cssText", design);
        caption_.set("innerHTML", std::string(""));
        val title = make("span");
        title.set("textContent", screen_->caption());
        caption_.call<void>("appendChild", title);
        if (screen_->windowButtons()) {
            val close = make("button");
            close.set("className", std::string("close"));
            close.set("textContent", std::string("\u00D7"));
            close.set("tabIndex", -1);
            close.call<void>("setAttribute", std::string("aria-label"), std::string("Close"));
            caption_.call<void>("appendChild", close);
        }
    }
    if (v != view_) {
        view_ = v;
        redrawSurface();
    }
}

void WebWindow::syncControl(const Control& c, Node& n) {
    std::string style = c.visible() ? "" : "display:none;";
    std::string content;  // text, picture or shape beyond the style
    const auto* picture = dynamic_cast<const WebPicture*>(c.picture().get());
    switch (c.kind()) {
        case ControlKind::Label:
            style += box(c) + "color:" + css(c.enabled() ? c.foreColour() : rgb(128, 128, 128)) +
                     ";font:" + fontOf(c.font()) + ";text-align:" +
                     (c.alignment() == Alignment::Centre  ? "center"
                      : c.alignment() == Alignment::Right ? "right"
                                                          : "left") +
                     ";";
            if (c.opaque()) style += "background:" + css(c.backColour()) + ";";
            // The text may use the whole box within the border: an engine that rounds each
            // letter up must not wrap a caption that the desktop keeps on one line.
            if (c.border()) style += "border:1px solid #000;padding:0;";
            if (!c.enabled()) style += "text-shadow:1px 1px #fff;";
            content = c.caption();
            break;
        case ControlKind::Image:
            style += "left:" + px(c.left()) + ";top:" + px(c.top()) + ";";
            if (!picture) style += "visibility:hidden;";
            content = picture ? picture->url() : "";
            break;
        case ControlKind::Button:
            style += box(c) + "background:" + css(c.backColour()) +
                     ";color:" + css(c.foreColour()) + ";font:" + fontOf(c.font()) + ";";
            if (c.pressed()) style += "border-style:inset;";
            content =
                (picture ? picture->url() : "") + "|" + c.caption() + (c.enabled() ? "" : "|off");
            break;
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            style += box(c) + "background:" + css(c.backColour()) +
                     ";color:" + css(c.foreColour()) + ";font:" + fontOf(c.font()) + ";";
            content = c.caption() + (c.value() ? "|on" : "|off") + (c.enabled() ? "" : "|grey");
            break;
        case ControlKind::Frame:
        case ControlKind::PictureBox:
            style += box(c) + "background-color:" + css(c.backColour()) + ";";
            if (picture) style += "background-image:url(" + picture->url() + ");";
            if (!c.caption().empty())
                style += "color:" + css(c.foreColour()) + ";font:" + fontOf(c.font()) + ";";
            content = c.caption();
            break;
        case ControlKind::Line: {
            const LineShape shape = lineShape(c);
            style += "left:" + px(shape.left) + ";top:" + px(shape.top) +
                     ";width:" + px(shape.width) + ";height:" + px(shape.height) + ";";
            char ends[160];
            std::snprintf(ends, sizeof ends, "%.2f %.2f %.2f %.2f %s %d %d %d", shape.x1, shape.y1,
                          shape.x2, shape.y2, css(c.foreColour()).c_str(), c.borderWidth(),
                          c.dashed() ? 1 : 0, shape.straight ? 1 : 0);
            content = ends;
            break;
        }
        case ControlKind::Circle: {
            const double side = std::min(c.width(), c.height());
            style += "left:" + px(c.left() + (c.width() - side) / 2) +
                     ";top:" + px(c.top() + (c.height() - side) / 2) + ";width:" + px(side) +
                     ";height:" + px(side) + ";background:" + css(c.backColour()) + ";";
            if (c.borderWidth() > 0)
                style += "box-sizing:border-box;border:" + std::to_string(c.borderWidth()) +
                         "px solid " + css(c.foreColour()) + ";";
            break;
        }
    }
    const std::string drawn = style + "\n" + content;
    if (drawn == n.drawn) return;
    const bool contentChanged =
        n.drawn.substr(n.drawn.find('\n') + 1) != content || n.drawn.empty();
    n.drawn = drawn;
    n.element.set("className",
                  std::string(isWindowed(c.kind()) ? "windowed " : "") + tagOf(c.kind()));
    n.element["style"].set("cssText", style);
    if (!contentChanged) return;
    switch (c.kind()) {
        case ControlKind::Label: n.element.set("textContent", c.caption()); break;
        case ControlKind::Image:
            if (picture) n.element.set("src", picture->url());
            break;
        case ControlKind::Button: {
            n.element.set("innerHTML", std::string(""));
            n.element.set("disabled", !c.enabled());
            if (picture) {
                val img = make("img");
                img.set("src", picture->url());
                img.set("alt", std::string(""));
                n.element.call<void>("appendChild", img);
            } else {
                n.element.set("textContent", c.caption());
            }
            break;
        }
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: {
            val input = n.element["firstChild"];
            input.set("checked", c.value() != 0);
            input.set("disabled", !c.enabled());
            n.element["lastChild"].set("textContent", c.caption());
            break;
        }
        case ControlKind::Frame:
        case ControlKind::PictureBox: n.element["dataset"].set("caption", c.caption()); break;
        case ControlKind::Line: {
            val line = n.element["firstChild"];
            const LineShape shape = lineShape(c);
            line.call<void>("setAttribute", std::string("x1"), shape.x1);
            line.call<void>("setAttribute", std::string("y1"), shape.y1);
            line.call<void>("setAttribute", std::string("x2"), shape.x2);
            line.call<void>("setAttribute", std::string("y2"), shape.y2);
            line.call<void>("setAttribute", std::string("stroke"), css(c.foreColour()));
            line.call<void>("setAttribute", std::string("stroke-width"), c.borderWidth());
            line.call<void>(
                "setAttribute", std::string("stroke-linecap"),
                std::string(shape.straight && c.borderWidth() == 1 ? "square" : "round"));
            line.call<void>("setAttribute", std::string("stroke-dasharray"),
                            std::string(c.dashed() ? "4 2" : "none"));
            // A level or upright line lands on whole pixels, as the window system draws it.
            line.call<void>("setAttribute", std::string("shape-rendering"),
                            std::string(shape.straight ? "crispEdges" : "auto"));
            break;
        }
        case ControlKind::Circle: break;
    }
}

// The model's role, name and state on the element; the ring on the focused one while the
// keyboard is in use.
void WebWindow::syncAccess(const Control& c, Node& n) {
    const Role role = c.role();
    // Text drawn in signs and bars (a surd) is read by its name, as a picture is.
    const bool drawnText = role == Role::Text && c.accessibleName() != ownText(c);
    const std::string ariaRoleName = drawnText ? "img" : ariaRole(role);
    const bool named = drawnText || (role != Role::Hidden && role != Role::Text);
    const std::string label = named && c.accessibleName() != ownText(c) ? c.accessibleName() : "";
    const bool checkable = role == Role::RadioButton || role == Role::CheckBox;
    const std::string checked = checkable ? (c.value() ? "true" : "false") : "";
    const bool disabled = c.acts() && !c.enabled();
    // A page's button is in the browser's own Tab order unless taken out.
    const bool focusable = screen_->takesFocus(c) || c.kind() == ControlKind::Button;
    const bool ring = screen_->focusShown() && screen_->focused() == &c;
    const std::string told = ariaRoleName + "|" + label + "|" + checked +
                             (role == Role::Hidden ? "|h" : "|") + (disabled ? "d" : "") +
                             (focusable ? "f" : "") + (ring ? "r" : "");
    if (told == n.told) return;
    n.told = told;
    setAttribute(n.element, "role", ariaRoleName);
    setAttribute(n.element, "aria-hidden", role == Role::Hidden ? "true" : "");
    setAttribute(n.element, "aria-label", label);
    setAttribute(n.element, "aria-disabled", disabled ? "true" : "");
    setAttribute(n.element, "aria-checked", checked);
    setAttribute(n.element, "tabindex", focusable ? "-1" : "");
    setAttribute(n.element, "data-ring", ring ? "on" : "");
}

// A tab needs a tab list: the screen's tabs, wherever they stand, are owned by one.
void WebWindow::syncTabList() {
    std::string owned;
    for (const auto& c : screen_->controls())
        if (c->role() == Role::Tab)
            owned += (owned.empty() ? "" : " ") + nodeFor(*c).element["id"].as<std::string>();
    if (owned == tabsOwned_) return;
    tabsOwned_ = owned;
    setAttribute(tabList_, "role", owned.empty() ? "" : "tablist");
    setAttribute(tabList_, "aria-owns", owned);
}

void WebWindow::takeFocus() {
    if (!screen_) return;
    const val active = document()["activeElement"];
    if (const Control* c = screen_->focused()) {
        const val element = nodeFor(*c).element;
        if (active.strictlyEquals(element)) return;
        val options = val::object();
        options.set("preventScroll", true);
        element.call<void>("focus", options);
    } else if (platform_.desktop().call<bool>("contains", active)) {
        active.call<void>("blur");
    }
}

// Elements follow the drawing order; windowed controls stand above drawn ones by style.
void WebWindow::restack() {
    std::vector<const Control*> order;
    for (const auto& owned : screen_->controls()) order.push_back(owned.get());
    if (order == order_) return;
    order_ = std::move(order);
    for (const Control* c : order_)
        containerElement(c->container()).call<void>("appendChild", nodeFor(*c).element);
}

void WebWindow::redrawSurface() {
    if (!screen_) return;
    const Surface& surface = screen_->surface();
    const bool shown = !surface.untouched();
    canvas_["style"].set("display", std::string(shown ? "block" : "none"));
    surfaceShown_ = shown;
    if (!shown) return;
    const double ratio = val::global("window")["devicePixelRatio"].as<double>();
    const double width = screen_->clientWidth() * view_.scale / twipsPerPixel;
    const double height = screen_->clientHeight() * view_.scale / twipsPerPixel;
    canvas_.set("width", static_cast<int>(width * ratio));
    canvas_.set("height", static_cast<int>(height * ratio));
    canvas_["style"].set(
        "cssText", "display:block;left:" + px(view_.offsetX) + ";top:" + px(view_.offsetY) +
                       ";width:" + std::to_string(width) + "px;height:" + std::to_string(height) +
                       "px;background:" + css(screen_->surfaceColour()) + ";");
    drawStrokes(canvas_, surface.strokes().data(), surface.strokes().size(), view_.scale * ratio);
}

// One segment onto the canvas: a move costs the same however long the drawing is.
void WebWindow::strokeAdded(const Stroke& s) {
    if (!surfaceShown_) {
        redrawSurface();
        return;
    }
    const double ratio = val::global("window")["devicePixelRatio"].as<double>();
    drawStrokes(canvas_, &s, 1, view_.scale * ratio);
}

void WebWindow::surfaceCleared() { redrawSurface(); }

}  // namespace ui::web
