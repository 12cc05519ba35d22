#include "web/web_window.h"

#include <emscripten/html5.h>

#include <algorithm>

#include "ui/repaint_reach.h"
#include "ui/twips.h"
#include "web/canvas.h"
#include "web/web_platform.h"

using emscripten::val;

namespace ui::web {

namespace {

std::string px(double twips) { return std::to_string(twips / twipsPerPixel) + "px"; }

std::string size(double widthTwips, double heightTwips) {
    return "width:" + px(widthTwips) + ";height:" + px(heightTwips);
}

// By Role: Auto, Hidden, Text and None take none.
constexpr const char* ariaRoles[] = {"", "", "", "button", "tab", "radio", "checkbox", "group", ""};

// An empty value takes the attribute away.
void setAttribute(const val& element, const char* name, const std::string& value) {
    if (value.empty())
        element.call<void>("removeAttribute", std::string(name));
    else
        element.call<void>("setAttribute", std::string(name), value);
}

// The window system's frame, as the page's template draws it.
val makeFrame(const std::string& screen, int id) {
    val frame =
        val::global("document")
            .call<val>("getElementById", std::string("window"))["content"]["firstElementChild"]
            .call<val>("cloneNode", true);
    frame["dataset"].set("screen", screen);
    frame["dataset"].set("window", id);
    // A window is read by its name, and holds the focus while none of its controls does.
    setAttribute(frame, "role", "dialog");
    setAttribute(frame, "tabindex", "-1");
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
    screen_->surface().setListener(nullptr);
    frame_.call<void>("remove");
}

val WebWindow::part(const char* selector) const {
    return frame_.call<val>("querySelector", std::string(selector));
}

void WebWindow::setActive(bool active) {
    frame_["classList"].call<void>("toggle", std::string("active"), active);
}

Control* WebWindow::controlNumbered(int number) const {
    for (const auto& [control, node] : nodes_)
        if (node.number == number) return const_cast<Control*>(control);
    return nullptr;
}

// Each control's element is in its container's, as a screen reader groups them.
WebWindow::Node& WebWindow::nodeFor(const Control& c) {
    if (const auto it = nodes_.find(&c); it != nodes_.end()) return it->second;
    Node n{val::global("document").call<val>("createElement", std::string("div")),
           static_cast<int>(nodes_.size()) + 1};
    n.element["dataset"].set("name", c.name());
    if (c.index() >= 0) n.element["dataset"].set("index", c.index());
    n.element["dataset"].set("control", n.number);
    n.element.set("id", "w" + std::to_string(id_) + "c" + std::to_string(n.number));
    (c.container() ? nodeFor(*c.container()).element : part(".design"))
        .call<void>("appendChild", n.element);
    return nodes_.emplace(&c, std::move(n)).first->second;
}

PixelRect WebWindow::windowRect() const { return windowArea(*screen_, platform_.displaySize()); }

DisplayList WebWindow::list() const {
    return displayList(*screen_, windowRect(), platform_.pixelRatio(), platform_.measure());
}

// Only changed controls' elements are written again; what changed on view is painted at the
// next frame, however many events came before it.
void WebWindow::sync() {
    const double ratio = platform_.pixelRatio();
    const PixelRect window = windowRect();
    const std::string canvasSize =
        size(window.width * twipsPerPixel, window.height * twipsPerPixel);
    const std::string sized = canvasSize + "@" + std::to_string(ratio);
    if (screen_->revision() == syncedRevision_ && sized == canvasSize_) return;
    const bool whole = syncedRevision_ == ~0ULL || screen_->wholeChanged();
    schedule(whole || sized != canvasSize_ ? Repaint{} : repaintOf(*screen_), pendingAreas_);
    if (sized != canvasSize_) {
        canvasSize_ = sized;
        canvas_.set("width", std::lround(window.width * ratio));
        canvas_.set("height", std::lround(window.height * ratio));
        canvas_["style"].set("cssText", canvasSize);
    }
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
}

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
    if (screen_->shown()) {
        const DisplayList shows = list();
        if (wholePending_ || !pendingAreas_.empty())
            paintList(painter_, shows, wholePending_ ? Repaint{} : Repaint{false, pendingAreas_},
                      ratio, false);
        if (!wholePending_ && !pendingAbove_.empty())
            paintList(painter_, shows, {false, pendingAbove_}, ratio, true);
    }
    wholePending_ = false;
    pendingAreas_.clear();
    pendingAbove_.clear();
}

// The frame where the model places it; the design at the view inside.
void WebWindow::syncFrame() {
    const Placement at = screen_->placement();
    const View& v = at.view;
    const std::string frame = "left:" + px(at.left) + ";top:" + px(at.top) +
                              ";display:" + (screen_->shown() ? "block" : "none");
    const std::string design = size(screen_->clientWidth(), screen_->clientHeight()) +
                               ";transform:translate(" + px(v.offsetX) + "," + px(v.offsetY) +
                               ") scale(" + std::to_string(v.scale) + ")";
    const std::string close = screen_->windowButtons() ? "" : "display:none";
    const std::string written = frame + "|" + design + "|" + close + "|" + screen_->caption() +
                                "|" + screen_->windowName() + (screen_->projected() ? "p" : "") +
                                (screen_->inert() ? "i" : "");
    if (written == frameWritten_) return;
    frameWritten_ = written;
    frame_["style"].set("cssText", frame);
    frame_.set("inert", screen_->inert());
    setAttribute(frame_, "aria-label", screen_->windowName());
    part(".design")["style"].set("cssText", design);
    part(".close")["style"].set("cssText", close);
    part(".caption span").set("textContent", screen_->caption());
    part(".projector")
        .call<void>("setAttribute", std::string("aria-pressed"),
                    std::string(screen_->projected() ? "true" : "false"));
}

// The element over its control's box (a line's over its ends, which it carries in its own
// pixels), holding the text the control shows, with what the model tells a screen reader.
void WebWindow::describe(const Control& c, Node& n) {
    const bool line = c.kind() == ControlKind::Line;
    const int left = line ? std::min(c.x1(), c.x2()) : c.left();
    const int top = line ? std::min(c.y1(), c.y2()) : c.top();
    const std::string style = !c.visible()
                                  ? "display:none"
                                  : "left:" + px(left) + ";top:" + px(top) + ";" +
                                        size(line ? std::abs(c.x2() - c.x1()) : c.width(),
                                             line ? std::abs(c.y2() - c.y1()) : c.height());
    const Access a = accessOf(*screen_, c);
    const std::pair<const char*, std::string> attributes[] = {
        {"data-ends", line ? px(c.x1() - left) + " " + px(c.y1() - top) + " " + px(c.x2() - left) +
                                 " " + px(c.y2() - top)
                           : ""},
        // A frame's caption, for tests: a screen reader hears its name.
        {"data-caption", c.kind() == ControlKind::Frame ? c.caption() : ""},
        {"role", a.picture ? "img" : ariaRoles[int(a.role)]},
        {"aria-hidden", a.role == Role::Hidden ? "true" : ""},
        {"aria-label", a.name},
        {"aria-disabled", a.disabled ? "true" : ""},
        {"aria-checked", a.checkable ? (a.checked ? "true" : "false") : ""},
        {"tabindex", a.focusable ? "-1" : ""},
        {"data-ring", a.ring ? "on" : ""}};
    std::string written = style + "|" + a.text;
    for (const auto& [name, value] : attributes) written += "|" + value;
    if (written == n.written) return;
    n.written = written;
    n.element["style"].set("cssText", style);
    // Only a control that holds none: a frame's text is its controls'.
    if (!a.text.empty() || !n.element["firstElementChild"].as<bool>())
        n.element.set("textContent", a.text);
    for (const auto& [name, value] : attributes) setAttribute(n.element, name, value);
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
    const Control* c = screen_->focused();
    // A screen reader in a page says no change of a name: a focused control's new one (an edge
    // chosen by Space, a cross moved by an arrow) is said through the live region.
    const std::string name = c ? c->accessibleName() : std::string();
    if (c && c == toldFocus_ && name != toldName_) platform_.announce(*screen_, name);
    toldFocus_ = c;
    toldName_ = name;
    const val element = c ? nodeFor(*c).element : frame_;
    if (val::global("document")["activeElement"].strictlyEquals(element)) return;
    val options = val::object();
    options.set("preventScroll", true);
    element.call<void>("focus", options);
}

// One segment onto the kept drawing and the canvas, then what lies above it there: a move costs
// the same however long the drawing is. Before the drawing is kept, its area is painted afresh.
void WebWindow::strokeAdded(const Stroke& s) {
    static_assert(sizeof(Stroke) == 6 * sizeof(int));
    const val stroke(emscripten::typed_memory_view(6, reinterpret_cast<const int*>(&s)));
    const bool drawn = val::global("Quillon").call<bool>("segment", painter_, stroke);
    schedule({false, {reachOf(s, screen_->view())}}, drawn ? pendingAbove_ : pendingAreas_);
}

void WebWindow::surfaceCleared() {
    painter_.set("key", std::string());
    schedule({}, pendingAreas_);
}

}  // namespace ui::web
