#include "ui/screen.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace ui {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

Screen::Screen(Platform& platform, std::string name, ScreenDesign design,
               std::span<const ControlDesign> controls, std::span<const TimerDesign> timers)
    : platform_(platform), name_(std::move(name)), design_(std::move(design)),
      margins_(platform.frameMargins()), clientWidth_(design_.clientWidth),
      clientHeight_(design_.clientHeight), backColour_(design_.backColour) {
    for (const ControlDesign& row : controls) {
        Control* container = row.container.empty() ? nullptr : &control(row.container);
        controls_.push_back(std::make_unique<Control>(*this, row, container));
        readingOrder_.push_back(controls_.back().get());
    }
    for (const TimerDesign& t : timers)
        timers_.push_back(std::make_unique<Timer>(platform, t.name, t.intervalMs, t.enabled));
}

Screen::~Screen() = default;

const std::string& Screen::windowName() const {
    const bool blank = design_.caption.find_first_not_of(' ') == std::string::npos;
    return blank ? design_.title : design_.caption;
}

void Screen::setLeft(int v) {
    if (left_ != v) left_ = v, changed();
}
void Screen::setTop(int v) {
    if (top_ != v) top_ = v, changed();
}
void Screen::setWidth(int v) {
    v = std::max(v - margins_.width, 0);
    if (clientWidth_ != v) clientWidth_ = v, changed();
}
void Screen::setHeight(int v) {
    v = std::max(v - margins_.height, 0);
    if (clientHeight_ != v) clientHeight_ = v, changed();
}
void Screen::setBackColour(Colour c) {
    if (backColour_ != c) backColour_ = c, changed();
}
void Screen::setPicture(Picture p) {
    if (picture_ != p) picture_ = std::move(p), changed();
}
void Screen::setShown(bool v) {
    if (shown_ != v) shown_ = v, changed();
}
void Screen::setInert(bool v) {
    if (inert_ != v) inert_ = v, changed();
}

void Screen::changed() {
    ++revision_;
    wholeChanged_ = true;
    damaged_.clear();
}

void Screen::damage(const Control* container, const TwipRect& area) {
    ++revision_;
    if (wholeChanged_ || area.empty()) return;
    // Past a few hundred areas one redraw of everything is cheaper, and the list stays small
    // where no platform draws at all.
    constexpr std::size_t mostAreas = 256;
    if (damaged_.size() == mostAreas) {
        changed();
        return;
    }
    damaged_.push_back({container, area});
}

void Screen::markDrawn() {
    wholeChanged_ = false;
    damaged_.clear();
}

Control* Screen::find(std::string_view name, int index) const {
    for (const auto& c : controls_)
        if (c->name() == name && c->index() == index) return c.get();
    return nullptr;
}

Control& Screen::control(std::string_view name, int index) const {
    if (Control* c = find(name, index)) return *c;
    throw std::out_of_range(name_ + " has no control " + std::string(name) + "(" +
                            std::to_string(index) + ")");
}

std::vector<Control*> Screen::members(std::string_view name, int count) const {
    std::vector<Control*> all;
    for (int i = 0; i < count; ++i) all.push_back(&control(name, i));
    return all;
}

Control* Screen::findIgnoringCase(std::string_view name) const {
    for (const auto& c : controls_)
        if (sameIgnoringCase(c->name(), name)) return c.get();
    return nullptr;
}

Control& Screen::createMember(std::string_view name, int index) {
    if (find(name, index)) throw std::logic_error("control array member exists already");
    const Control& first = control(name, 0);
    ControlDesign copy = first.design();
    copy.index = index;
    copy.visible = false;
    auto member = std::make_unique<Control>(*this, copy, first.container());
    member->setPicture(first.picture());
    member->onClick = first.onClick;
    member->onMouseDown = first.onMouseDown;
    member->onMouseMove = first.onMouseMove;
    member->onMouseUp = first.onMouseUp;
    member->onKey = first.onKey;
    // In the keyboard's order, after the array's last member so far.
    auto after = std::find_if(readingOrder_.rbegin(), readingOrder_.rend(),
                              [&](const Control* c) { return c->name() == first.name(); });
    readingOrder_.insert(after.base(), member.get());
    controls_.push_back(std::move(member));
    // Hidden, a windowless member draws nothing yet; a windowed one needs its widget.
    if (isWindowed(first.kind()))
        changed();
    else
        ++revision_;
    return *controls_.back();
}

std::vector<std::unique_ptr<Control>>::iterator Screen::position(const Control& c) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const auto& p) { return p.get() == &c; });
    if (it == controls_.end()) throw std::logic_error(name_ + " does not hold " + c.name());
    return it;
}

void Screen::bringToFront(Control& c) {
    auto it = position(c);
    std::rotate(it, it + 1, controls_.end());
    restacked(c);
}

void Screen::sendToBack(Control& c) {
    auto it = position(c);
    std::rotate(controls_.begin(), it, it + 1);
    restacked(c);
}

void Screen::restacked(const Control& c) {
    if (isWindowed(c.kind()))
        changed();
    else
        damage(c.container(), c.drawnArea());
}

Timer& Screen::timer(std::string_view name) const {
    for (const auto& t : timers_)
        if (t->name() == name) return *t;
    throw std::out_of_range(name_ + " has no timer " + std::string(name));
}

Control* Screen::controlAt(const Control* container, int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Control& c = **it;
        if (c.container() == container && c.takesPointer() && c.contains(x, y)) return it->get();
    }
    return nullptr;
}

namespace {

bool isContainer(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::PictureBox;
}

}  // namespace

Screen::Hit Screen::hitAt(int x, int y, bool leftButton) const {
    Hit h;
    for (;;) {
        Control* hit = nullptr;
        for (auto it = controls_.rbegin(); it != controls_.rend() && !hit; ++it) {
            Control& c = **it;
            if (c.container() == h.container && isWindowed(c.kind()) && c.visible() &&
                c.contains(x - h.originX, y - h.originY))
                hit = &c;
        }
        // A disabled control, or a button under any but the left button, lets the pointer
        // through to what holds it.
        if (!hit || !hit->enabled()) break;
        if (!isContainer(hit->kind())) {
            if (leftButton) h.target = hit;
            break;
        }
        h.container = hit;
        h.originX += hit->left();
        h.originY += hit->top();
    }
    if (!h.target) h.target = controlAt(h.container, x - h.originX, y - h.originY);
    return h;
}

std::string Screen::toolTipAt(double windowX, double windowY) const {
    const View v = view();
    const Hit h = hitAt(static_cast<int>(std::lround(v.toDesignX(windowX))),
                        static_cast<int>(std::lround(v.toDesignY(windowY))), true);
    return h.target && isWindowed(h.target->kind()) ? h.target->toolTip() : std::string();
}

void Screen::pointer(const PointerEvent& e) {
    // While the display is blanked a press only brings the lesson back.
    if (blanked_) {
        if (e.action == PointerAction::Press && platform_.eventSink())
            platform_.eventSink()->blankEnded();
        return;
    }
    // The focus ring shows only while the keyboard is in use.
    if (e.action == PointerAction::Press) showFocus(false);
    const View v = view();
    const MouseEvent m{e.button, e.shift, static_cast<int>(std::lround(v.toDesignX(e.x))),
                       static_cast<int>(std::lround(v.toDesignY(e.y)))};
    switch (e.action) {
        case PointerAction::Press: press(m); break;
        case PointerAction::Move: move(m); break;
        case PointerAction::Release: release(m); break;
    }
}

void Screen::route(const Hit& h, const MouseEvent& e, ControlHandler onControl,
                   const MouseHandler& onScreen) {
    if (h.target) {
        const Control::MouseHandler& handler = h.target->*onControl;
        if (handler)
            handler(h.target->index(), {e.button, e.shift, e.x - h.originX - h.target->left(),
                                        e.y - h.originY - h.target->top()});
    } else if (!h.container && onScreen) {
        onScreen(e);
    }
}

void Screen::press(const MouseEvent& e) {
    // The same button pressed again: its release went to another window, so start afresh.
    if (grab_ && e.button == grabButton_) {
        if (grab_->target) grab_->target->setPressed(false);
        grab_.reset();
    }
    if (!grab_) {
        grabButton_ = e.button;
        grab_ = hitAt(e.x, e.y, e.button == LeftButton);
        if (grab_->target && isWindowed(grab_->target->kind())) {
            grab_->target->setPressed(true);
            return;
        }
    } else if (grab_->target && isWindowed(grab_->target->kind())) {
        return;  // another button while a button is held down
    }
    route(*grab_, e, &Control::onMouseDown, onMouseDown);
}

void Screen::move(const MouseEvent& e) {
    if (!grab_) {
        route(hitAt(e.x, e.y, false), e, &Control::onMouseMove, onMouseMove);
        return;
    }
    if (Control* b = grab_->target; b && isWindowed(b->kind())) {
        // Held down, a button shows pressed only while the pointer is over it.
        b->setPressed(b->contains(e.x - grab_->originX, e.y - grab_->originY));
        return;
    }
    route(*grab_, e, &Control::onMouseMove, onMouseMove);
}

void Screen::release(const MouseEvent& e) {
    if (!grab_) return;  // its press went to another window
    const Hit h = *grab_;
    grab_.reset();
    if (!h.target) return;
    const bool over = h.target->contains(e.x - h.originX, e.y - h.originY);
    if (isWindowed(h.target->kind())) {
        h.target->setPressed(false);
        if (over && e.button == LeftButton) h.target->activate();
        return;
    }
    route(h, e, &Control::onMouseUp, nullptr);
    // A click is a press and release on the same label, the pointer still over it.
    if (over && h.target->enabled() && h.target->visible()) h.target->click();
}

void Screen::setTopmost(bool v) {
    if (topmost_ != v) topmost_ = v, changed();
}

void Screen::setProjected(bool on, Size display) {
    if (projected_ == on && display_ == display) return;
    projected_ = on;
    display_ = display;
    changed();
}

Placement Screen::placement() const {
    const Size design{clientWidth_, clientHeight_};
    if (platform_.fitsViewport())
        return fitToViewport(display_, margins_, design, topmost_, left_, top_);
    if (!projected_) return {left_, top_, {}};
    return {left_, top_, topmost_ ? boardView(display_, design) : projectorView(display_, design)};
}

bool Screen::takesFocus(const Control& c) const {
    if (!c.acts()) return false;
    for (const Control* k = &c; k; k = k->container())
        if (!k->visible() || !k->enabled()) return false;
    return true;
}

std::vector<Control*> Screen::readable() const {
    std::vector<Control*> all;
    for (Control* c : readingOrder_) {
        if (c->role() == Role::Hidden || c->role() == Role::Group || c->role() == Role::None)
            continue;
        bool onView = true;
        for (const Control* k = c; k; k = k->container()) onView = onView && k->visible();
        if (onView) all.push_back(c);
    }
    return all;
}

TwipRect Screen::areaOf(const Control& c) const {
    TwipRect area =
        isWindowed(c.kind()) ? TwipRect{c.left(), c.top(), c.width(), c.height()} : c.drawnArea();
    for (const Control* holder = c.container(); holder; holder = holder->container()) {
        area.left += holder->left();
        area.top += holder->top();
    }
    return area;
}

Control* Screen::focused() const { return focused_ && takesFocus(*focused_) ? focused_ : nullptr; }

void Screen::setFocus(Control* c) {
    if (focused_ != c) focused_ = c, changed();
}

void Screen::showFocus(bool v) {
    if (focusShown_ != v) focusShown_ = v, changed();
}

// The design's tab stops come first; what it leaves out of the Tab order (the toolbar) comes
// after them, since a pupil without a mouse needs it too.
void Screen::moveFocus(bool backwards) {
    std::vector<Control*> order;
    for (bool stops : {true, false})
        for (Control* c : readingOrder_)
            if (c->tabStop() == stops && takesFocus(*c)) order.push_back(c);
    showFocus(true);
    if (order.empty()) return setFocus(nullptr);
    auto at = std::find(order.begin(), order.end(), focused());
    if (at == order.end())
        at = backwards ? order.end() - 1 : order.begin();
    else if (backwards)
        at = at == order.begin() ? order.end() - 1 : at - 1;
    else
        at = at + 1 == order.end() ? order.begin() : at + 1;
    setFocus(*at);
}

bool Screen::key(Key k) {
    if (k == Key::Tab || k == Key::BackTab) {
        moveFocus(k == Key::BackTab);
        return true;
    }
    Control* c = focused();
    if (!c) return false;
    // A clicker's keys leave the ring as it is: only keys used on the focus show it.
    const bool used = k == Key::Enter || k == Key::Space || (c->onKey && c->onKey(k));
    if (!used) return false;
    showFocus(true);
    if (k == Key::Enter || k == Key::Space) c->activate();
    return true;
}

void Screen::setBlanked(bool v) {
    if (blanked_ == v) return;
    blanked_ = v;
    grab_.reset();
    changed();
}

void Screen::announce(const std::string& text) {
    announcement_ = text;
    platform_.announce(*this, text);
}

void Screen::retire() {
    for (auto& t : timers_) t->retire();
    surface_.setListener(nullptr);
    grab_.reset();
}

}  // namespace ui
