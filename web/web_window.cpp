#include "web/web_window.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ui/twips.h"
#include "web/canvas_painter.h"
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

val document() { return val::global("document"); }

val make(const char* tag) { return document().call<val>("createElement", std::string(tag)); }

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

// The text the control shows, which its element holds unseen so a screen reader reads it as
// its name.
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

}  // namespace

WebWindow::WebWindow(WebPlatform& platform, Screen& screen, int id)
    : platform_(platform), screen_(&screen), id_(id), frame_(make("div")), caption_(make("div")),
      client_(make("div")), canvas_(make("canvas")),
      painter_(val::global("Quillon").call<val>("painter", canvas_)), design_(make("div")),
      tabList_(make("div")) {
    frame_.set("className", std::string("window"));
    frame_["dataset"].set("screen", screen.name());
    frame_["dataset"].set("window", id);
    caption_.set("className", std::string("caption"));
    client_.set("className", std::string("client"));
    design_.set("className", std::string("design"));
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
    Node n{make("div"), static_cast<int>(nodes_.size()) + 1};
    n.element["dataset"].set("name", c.name());
    if (c.index() >= 0) n.element["dataset"].set("index", c.index());
    n.element["dataset"].set("control", n.number);
    n.element.set("id", "w" + std::to_string(id_) + "c" + std::to_string(n.number));
    containerElement(c.container()).call<void>("appendChild", n.element);
    return nodes_.emplace(&c, std::move(n)).first->second;
}

PixelRect WebWindow::windowRect() const {
    const View v = screen_->view();
    const Size desktop = platform_.displaySize();
    return {0, 0,
            (v.fillsDisplay ? desktop.width : screen_->clientWidth() * v.scale) / twipsPerPixel,
            (v.fillsDisplay ? desktop.height : screen_->clientHeight() * v.scale) / twipsPerPixel};
}

// The list for the screen as it stands, made again only when something in it changed: a new
// segment changes nothing in it.
const DisplayList& WebWindow::list() {
    const std::string key = std::to_string(screen_->revision()) + canvasSize_ +
                            (screen_->surface().untouched() ? "" : "s") +
                            std::to_string(screen_->surfaceColour());
    if (key != listKey_) {
        listKey_ = key;
        list_ =
            ui::displayList(*screen_, windowRect(), platform_.pixelRatio(), platform_.measure());
    }
    return list_;
}

// Where only controls changed (a drag, a click on an edge) or the Jotter drew a segment, only
// their areas are painted again, and only changed controls' elements written again.
void WebWindow::sync() {
    if (!screen_) return;
    const double ratio = platform_.pixelRatio();
    const PixelRect window = windowRect();
    const std::string size = std::to_string(window.width) + "x" + std::to_string(window.height) +
                             "@" + std::to_string(ratio);
    if (screen_->revision() == syncedRevision_ && strokeAreas_.empty() && aboveStrokes_.empty() &&
        size == canvasSize_)
        return;
    const bool whole = syncedRevision_ == ~0ULL || screen_->wholeChanged();
    Repaint repaint = whole || size != canvasSize_ ? Repaint{} : repaintOf(*screen_);
    repaint.areas.insert(repaint.areas.end(), strokeAreas_.begin(), strokeAreas_.end());
    if (size != canvasSize_) {
        canvasSize_ = size;
        canvas_.set("width", std::lround(window.width * ratio));
        canvas_.set("height", std::lround(window.height * ratio));
        canvas_["style"].set("cssText", "width:" + px(window.width * twipsPerPixel) +
                                            ";height:" + px(window.height * twipsPerPixel));
    }
    if (screen_->shown() && (repaint.whole || !repaint.areas.empty()))
        paintList(painter_, list(), repaint, ratio, false);
    if (screen_->shown() && !repaint.whole && !aboveStrokes_.empty())
        paintList(painter_, list(), {false, aboveStrokes_}, ratio, true);
    strokeAreas_.clear();
    aboveStrokes_.clear();
    syncedRevision_ = screen_->revision();
    screen_->markDrawn();
    if (whole) syncFrame();
    for (const auto& owned : screen_->controls()) {
        Node& n = nodeFor(*owned);
        if (!whole && n.revision == owned->revision()) continue;
        n.revision = owned->revision();
        place(*owned, n);
        syncAccess(*owned, n);
    }
    if (whole) syncTabList();
    restack();
}

void WebWindow::repaintWhole() {
    if (screen_ && screen_->shown()) paintList(painter_, list(), {}, platform_.pixelRatio(), false);
}

// The frame, its caption and the client area at the view: the design size where the screen
// stands, or the whole desktop.
void WebWindow::syncFrame() {
    const View v = screen_->view();
    const PixelRect window = windowRect();
    std::string frame = v.fillsDisplay
                            ? "left:0;top:0;border-width:0;"
                            : "left:" + px(screen_->left()) + ";top:" + px(screen_->top()) + ";";
    frame += "display:" + std::string(screen_->shown() ? "block" : "none") + ";";
    const std::string client = "width:" + px(window.width * twipsPerPixel) +
                               ";height:" + px(window.height * twipsPerPixel) + ";";
    char transform[96];
    std::snprintf(transform, sizeof transform, "translate(%.2fpx,%.2fpx) scale(%.5f)",
                  v.offsetX / twipsPerPixel, v.offsetY / twipsPerPixel, v.scale);
    const std::string design = "width:" + px(screen_->clientWidth()) +
                               ";height:" + px(screen_->clientHeight()) +
                               ";transform:" + transform + ";";
    const std::string drawn = frame + "|" + client + "|" + design + "|" + screen_->caption() +
                              (screen_->windowButtons() ? "x" : "") + (v.fillsDisplay ? "f" : "");
    if (drawn == frameDrawn_) return;
    frameDrawn_ = drawn;
    frame_["style"].set("cssText", frame);
    frame_["classList"].call<void>("toggle", std::string("filling"), v.fillsDisplay);
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

// The element over its control's box (a line's over its ends, which it carries in its own
// pixels), holding the text the control shows.
void WebWindow::place(const Control& c, Node& n) {
    const bool line = c.kind() == ControlKind::Line;
    const int left = line ? std::min(c.x1(), c.x2()) : c.left();
    const int top = line ? std::min(c.y1(), c.y2()) : c.top();
    const int width = line ? std::abs(c.x2() - c.x1()) : c.width();
    const int height = line ? std::abs(c.y2() - c.y1()) : c.height();
    const std::string style = c.visible() ? "left:" + px(left) + ";top:" + px(top) +
                                                ";width:" + px(width) + ";height:" + px(height)
                                          : "display:none";
    const std::string ends = line ? px(c.x1() - left) + " " + px(c.y1() - top) + " " +
                                        px(c.x2() - left) + " " + px(c.y2() - top)
                                  : "";
    const std::string text = ownText(c);
    if (text != n.text) n.element.set("textContent", n.text = text);
    const std::string placed = style + "|" + ends + "|" + c.caption();
    if (placed == n.placed) return;
    n.placed = placed;
    n.element["style"].set("cssText", style);
    setAttribute(n.element, "data-ends", ends);
    // What a frame's border says, where tests look for it: a screen reader hears its own name.
    if (c.kind() == ControlKind::Frame) setAttribute(n.element, "data-caption", c.caption());
}

// The model's role, name and state on the element, and whether its ring shows.
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
    const bool focusable = screen_->takesFocus(c);
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

// Elements follow the drawing order.
void WebWindow::restack() {
    std::vector<const Control*> order;
    for (const auto& owned : screen_->controls()) order.push_back(owned.get());
    if (order == order_) return;
    order_ = std::move(order);
    for (const Control* c : order_)
        containerElement(c->container()).call<void>("appendChild", nodeFor(*c).element);
}

std::vector<std::string> WebWindow::overflowingTexts() {
    std::vector<std::string> out;
    if (!screen_ || !screen_->shown()) return out;
    for (const Primitive& p : list().items) {
        if (p.kind != Primitive::Kind::Text || !p.control) continue;
        // Above the baseline, the height of a capital.
        const double w = platform_.measure().width(p.face, p.text);
        const PixelRect& c = p.clip;
        const double outside = std::max({c.left - p.x1, p.x1 + w - c.right(),
                                         c.top - (p.y1 - 0.7 * p.face.pixels), p.y1 - c.bottom()});
        if (outside <= 1) continue;  // a pixel's grace for smoothing
        const Control& owner = *p.control;
        char by[96];
        std::snprintf(by, sizeof by,
                      " (%.1f px outside its %.1fx%.1f clip; %.1f wide at %.1f,%.1f)", outside,
                      c.width, c.height, w, p.x1 - c.left, p.y1 - c.top);
        out.push_back(screen_->name() + " " + owner.name() +
                      (owner.index() >= 0 ? "[" + std::to_string(owner.index()) + "]" : "") +
                      ": \"" + p.text + "\"" + by);
    }
    return out;
}

// One segment onto the kept drawing and the canvas, then what lies above it there: a move costs
// the same however long the drawing is. Before the drawing is kept, its area is painted afresh.
void WebWindow::strokeAdded(const Stroke& s) {
    static_assert(sizeof(Stroke) == 6 * sizeof(int));
    const bool drawn = val::global("Quillon").call<bool>(
        "segment", painter_,
        val(emscripten::typed_memory_view(6, reinterpret_cast<const int*>(&s))));
    const View v = screen_->view();
    const double k = v.scale / twipsPerPixel, reach = s.widthPx * v.scale / 2 + 2;
    (drawn ? aboveStrokes_ : strokeAreas_)
        .push_back({v.offsetX / twipsPerPixel + std::min(s.x1, s.x2) * k - reach,
                    v.offsetY / twipsPerPixel + std::min(s.y1, s.y2) * k - reach,
                    std::abs(s.x2 - s.x1) * k + 2 * reach, std::abs(s.y2 - s.y1) * k + 2 * reach});
}

void WebWindow::surfaceCleared() {
    painter_.set("key", std::string());
    strokeAreas_.push_back(windowRect());
}

}  // namespace ui::web
