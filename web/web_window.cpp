#include "web/web_window.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cstdio>

#include "ui/twips.h"
#include "web/canvas.h"
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

const char* ariaRole(Role role) {
    switch (role) {
        case Role::Button: return "button";
        case Role::Tab: return "tab";
        case Role::RadioButton: return "radio";
        case Role::CheckBox: return "checkbox";
        case Role::Group: return "group";
        default: return "";
    }
}

// The text a control shows, which its element holds unseen so a screen reader reads it.
std::string ownText(const Control& c) {
    const ControlKind k = c.kind();
    const bool shows = k == ControlKind::Label || k == ControlKind::OptionButton ||
                       k == ControlKind::CheckBox || (k == ControlKind::Button && !c.picture());
    return shows ? c.caption() : "";
}

// An empty value takes the attribute away.
void setAttribute(const val& element, const char* name, const std::string& value) {
    if (value.empty())
        element.call<void>("removeAttribute", std::string(name));
    else
        element.call<void>("setAttribute", std::string(name), value);
}

// The window system's frame: a caption bar with its close box, and the client area with the
// canvas, the controls' elements over it and the tab list.
val makeFrame(const std::string& screen, int id) {
    val frame = val::global("document").call<val>("createElement", std::string("div"));
    frame.set("className", std::string("window"));
    frame.set("innerHTML",
              std::string("<div class=caption><span></span><button class=close tabindex=-1 "
                          "aria-label=Close>\u00D7</button></div><div class=client><canvas>"
                          "</canvas><div class=design></div><div class=tabs></div></div>"));
    frame["dataset"].set("screen", screen);
    frame["dataset"].set("window", id);
    return frame;
}

}  // namespace

WebWindow::WebWindow(WebPlatform& platform, Screen& screen, int id)
    : platform_(platform), screen_(&screen), id_(id), frame_(makeFrame(screen.name(), id)),
      canvas_(part("canvas")), painter_(val::global("Quillon").call<val>("painter", canvas_)) {
    platform_.desktop().call<void>("appendChild", frame_);
    screen.surface().setListener(this);
}

WebWindow::~WebWindow() {
    if (frameRequest_) emscripten_cancel_animation_frame(frameRequest_);
    detach();
    frame_.call<void>("remove");
}

void WebWindow::detach() {
    if (screen_) screen_->surface().setListener(nullptr);
    screen_ = nullptr;
}

val WebWindow::part(const char* selector) const {
    return frame_.call<val>("querySelector", std::string(selector));
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
    return container ? nodeFor(*container).element : part(".design");
}

WebWindow::Node& WebWindow::nodeFor(const Control& c) {
    auto it = nodes_.find(&c);
    if (it != nodes_.end()) return it->second;
    Node n{val::global("document").call<val>("createElement", std::string("div")),
           static_cast<int>(nodes_.size()) + 1};
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
    if (key != listKey_)
        listKey_ = key,
        list_ = displayList(*screen_, windowRect(), platform_.pixelRatio(), platform_.measure());
    return list_;
}

// Only changed controls' elements are written again; what changed on view is painted at the
// next frame, however many events came before it.
void WebWindow::sync() {
    if (!screen_) return;
    const double ratio = platform_.pixelRatio();
    const PixelRect window = windowRect();
    const std::string size = std::to_string(window.width) + "x" + std::to_string(window.height) +
                             "@" + std::to_string(ratio);
    if (screen_->revision() == syncedRevision_ && size == canvasSize_) return;
    const bool whole = syncedRevision_ == ~0ULL || screen_->wholeChanged();
    const Repaint repaint = whole || size != canvasSize_ ? Repaint{} : repaintOf(*screen_);
    if (size != canvasSize_) {
        canvasSize_ = size;
        canvas_.set("width", std::lround(window.width * ratio));
        canvas_.set("height", std::lround(window.height * ratio));
        canvas_["style"].set("cssText", "width:" + px(window.width * twipsPerPixel) +
                                            ";height:" + px(window.height * twipsPerPixel));
    }
    schedule(repaint, pendingAreas_);
    syncedRevision_ = screen_->revision();
    screen_->markDrawn();
    if (whole) syncFrame();
    for (const auto& owned : screen_->controls()) {
        Node& n = nodeFor(*owned);
        if (!whole && n.revision == owned->revision()) continue;
        n.revision = owned->revision();
        describe(*owned, n);
    }
    if (whole) syncTabList();
    restack();
}

void WebWindow::repaintWhole() { schedule({}, pendingAreas_); }

void WebWindow::schedule(const Repaint& repaint, std::vector<PixelRect>& into) {
    wholePending_ = wholePending_ || repaint.whole;
    into.insert(into.end(), repaint.areas.begin(), repaint.areas.end());
    if ((wholePending_ || !into.empty()) && !frameRequest_)
        frameRequest_ = emscripten_request_animation_frame(
            [](double, void* self) {
                static_cast<WebWindow*>(self)->paintPending();
                return EM_FALSE;
            },
            this);
}

void WebWindow::paintPending() {
    frameRequest_ = 0;
    const double ratio = platform_.pixelRatio();
    if (screen_ && screen_->shown() && (wholePending_ || !pendingAreas_.empty()))
        paintList(painter_, list(), {wholePending_, pendingAreas_}, ratio, false);
    if (screen_ && screen_->shown() && !wholePending_ && !pendingAbove_.empty())
        paintList(painter_, list(), {false, pendingAbove_}, ratio, true);
    wholePending_ = false;
    pendingAreas_.clear();
    pendingAbove_.clear();
}

// The frame at the screen's place, or over the whole desktop; the design at the view inside.
void WebWindow::syncFrame() {
    const View v = screen_->view();
    const PixelRect window = windowRect();
    const std::string frame =
        (v.fillsDisplay ? "left:0;top:0;border-width:0;"
                        : "left:" + px(screen_->left()) + ";top:" + px(screen_->top()) + ";") +
        "display:" + (screen_->shown() ? "block" : "none");
    const std::string client = "width:" + px(window.width * twipsPerPixel) +
                               ";height:" + px(window.height * twipsPerPixel);
    char design[160];
    std::snprintf(design, sizeof design,
                  "width:%s;height:%s;transform:translate(%.2fpx,%.2fpx) scale(%.5f)",
                  px(screen_->clientWidth()).c_str(), px(screen_->clientHeight()).c_str(),
                  v.offsetX / twipsPerPixel, v.offsetY / twipsPerPixel, v.scale);
    const std::string close = screen_->windowButtons() ? "" : "display:none";
    const std::string written = frame + "|" + client + "|" + design + "|" + close + "|" +
                                screen_->caption() + (v.fillsDisplay ? "f" : "");
    if (written == frameWritten_) return;
    frameWritten_ = written;
    frame_["style"].set("cssText", frame);
    frame_["classList"].call<void>("toggle", std::string("filling"), v.fillsDisplay);
    part(".client")["style"].set("cssText", client);
    part(".design")["style"].set("cssText", std::string(design));
    part(".close")["style"].set("cssText", close);
    part(".caption span").set("textContent", screen_->caption());
}

// The element over its control's box (a line's over its ends, which it carries in its own
// pixels), holding the text the control shows, with the model's role, name and state, and
// whether its ring shows.
void WebWindow::describe(const Control& c, Node& n) {
    const bool line = c.kind() == ControlKind::Line;
    const int left = line ? std::min(c.x1(), c.x2()) : c.left();
    const int top = line ? std::min(c.y1(), c.y2()) : c.top();
    const std::string style =
        !c.visible() ? "display:none"
                     : "left:" + px(left) + ";top:" + px(top) +
                           ";width:" + px(line ? std::abs(c.x2() - c.x1()) : c.width()) +
                           ";height:" + px(line ? std::abs(c.y2() - c.y1()) : c.height());
    const std::string ends = line ? px(c.x1() - left) + " " + px(c.y1() - top) + " " +
                                        px(c.x2() - left) + " " + px(c.y2() - top)
                                  : "";
    // A frame's caption, for tests: a screen reader hears its name.
    const std::string caption = c.kind() == ControlKind::Frame ? c.caption() : "";
    const std::string text = ownText(c);
    const Role role = c.role();
    // Text drawn in signs and bars (a surd) is read by its name, as a picture is.
    const bool drawnText = role == Role::Text && c.accessibleName() != text;
    const std::string roleName = drawnText ? "img" : ariaRole(role);
    const bool named = drawnText || (role != Role::Hidden && role != Role::Text);
    const std::string label = named && c.accessibleName() != text ? c.accessibleName() : "";
    const bool checkable = role == Role::RadioButton || role == Role::CheckBox;
    const std::string checked = checkable ? (c.value() ? "true" : "false") : "";
    const std::string disabled = c.acts() && !c.enabled() ? "true" : "";
    const std::string focusable = screen_->takesFocus(c) ? "-1" : "";
    const std::string ring = screen_->focusShown() && screen_->focused() == &c ? "on" : "";
    const std::string hidden = role == Role::Hidden ? "true" : "";
    const std::string written = style + "|" + ends + "|" + caption + "|" + text + "|" + roleName +
                                "|" + label + "|" + checked + "|" + disabled + "|" + focusable +
                                "|" + ring + "|" + hidden;
    if (written == n.written) return;
    n.written = written;
    n.element["style"].set("cssText", style);
    // Only a control that holds none: a frame's text is its controls'.
    if (!text.empty() || !n.element["firstElementChild"].as<bool>())
        n.element.set("textContent", text);
    setAttribute(n.element, "data-ends", ends);
    setAttribute(n.element, "data-caption", caption);
    setAttribute(n.element, "role", roleName);
    setAttribute(n.element, "aria-hidden", hidden);
    setAttribute(n.element, "aria-label", label);
    setAttribute(n.element, "aria-disabled", disabled);
    setAttribute(n.element, "aria-checked", checked);
    setAttribute(n.element, "tabindex", focusable);
    setAttribute(n.element, "data-ring", ring);
}

// A tab needs a tab list: the screen's tabs, wherever they stand, are owned by one.
void WebWindow::syncTabList() {
    std::string owned;
    for (const auto& c : screen_->controls())
        if (c->role() == Role::Tab)
            owned += (owned.empty() ? "" : " ") + nodeFor(*c).element["id"].as<std::string>();
    const val tabs = part(".tabs");
    setAttribute(tabs, "role", owned.empty() ? "" : "tablist");
    setAttribute(tabs, "aria-owns", owned);
}

void WebWindow::takeFocus() {
    if (!screen_) return;
    const val active = val::global("document")["activeElement"];
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

std::string WebWindow::overflowingTexts() {
    std::string out;
    if (!screen_ || !screen_->shown()) return out;
    for (const Primitive& p : list().items) {
        if (p.kind != Primitive::Kind::Text || !p.control) continue;
        // Above the baseline, the height of a capital; a pixel's grace for smoothing.
        const double w = platform_.measure().width(p.face, p.text);
        const PixelRect& c = p.clip;
        const double outside = std::max({c.left - p.x1, p.x1 + w - c.right(),
                                         c.top - (p.y1 - 0.7 * p.face.pixels), p.y1 - c.bottom()});
        if (outside <= 1) continue;
        char by[96];
        std::snprintf(by, sizeof by,
                      " (%.1f px outside its %.1fx%.1f clip; %.1f wide at %.1f,%.1f)", outside,
                      c.width, c.height, w, p.x1 - c.left, p.y1 - c.top);
        const Control& owner = *p.control;
        out += screen_->name() + " " + owner.name() +
               (owner.index() >= 0 ? "[" + std::to_string(owner.index()) + "]" : "") + ": \"" +
               p.text + "\"" + by + "\n";
    }
    return out;
}

// One segment onto the kept drawing and the canvas, then what lies above it there: a move costs
// the same however long the drawing is. Before the drawing is kept, its area is painted afresh.
void WebWindow::strokeAdded(const Stroke& s) {
    static_assert(sizeof(Stroke) == 6 * sizeof(int));
    const val stroke(emscripten::typed_memory_view(6, reinterpret_cast<const int*>(&s)));
    const bool drawn = val::global("Quillon").call<bool>("segment", painter_, stroke);
    const View v = screen_->view();
    const double k = v.scale / twipsPerPixel, reach = s.widthPx * v.scale / 2 + 2;
    const PixelRect area{v.offsetX / twipsPerPixel + std::min(s.x1, s.x2) * k - reach,
                         v.offsetY / twipsPerPixel + std::min(s.y1, s.y2) * k - reach,
                         std::abs(s.x2 - s.x1) * k + 2 * reach,
                         std::abs(s.y2 - s.y1) * k + 2 * reach};
    schedule({false, {area}}, drawn ? pendingAbove_ : pendingAreas_);
}

void WebWindow::surfaceCleared() {
    painter_.set("key", std::string());
    schedule({}, pendingAreas_);
}

}  // namespace ui::web
