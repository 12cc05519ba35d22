#include "ui/screen.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace ui {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
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
    }
    for (const TimerDesign& t : timers)
        timers_.push_back(std::make_unique<Timer>(platform, t.name, t.intervalMs, t.enabled));
}

Screen::~Screen() = default;

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
void Screen::setIcon(Picture p) {
    if (icon_ != p) icon_ = std::move(p), changed();
}
void Screen::setShown(bool v) {
    if (shown_ != v) shown_ = v, changed();
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
    controls_.push_back(std::move(member));
    // Hidden, a windowless member draws nothing yet; a windowed one needs its widget.
    if (isWindowed(first.kind()))
        changed();
    else
        ++revision_;
    return *controls_.back();
}

void Screen::bringToFront(Control& c) {
    auto it = std::ranges::find_if(controls_, [&](const auto& p) { return p.get() == &c; });
    std::rotate(it, it + 1, controls_.end());
    restacked(c);
}

void Screen::sendToBack(Control& c) {
    auto it = std::ranges::find_if(controls_, [&](const auto& p) { return p.get() == &c; });
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
        if (c.container() == container && c.takesPointer() && c.contains(x, y))
            return it->get();
    }
    return nullptr;
}

MouseEvent Screen::relativeTo(const Control& c, const MouseEvent& e) const {
    MouseEvent r = e;
    r.x -= c.left();
    r.y -= c.top();
    return r;
}

void Screen::capture(Control* target, Control* container) {
    capturing_ = true;
    captureTarget_ = target;
    captureContainer_ = container;
}

void Screen::mouseDown(Control* container, const MouseEvent& e) {
    Control* target = capturing_ ? captureTarget_ : controlAt(container, e.x, e.y);
    if (!capturing_) capture(target, container);
    if (target) {
        if (target->onMouseDown) target->onMouseDown(target->index(), relativeTo(*target, e));
    } else if (!container && onMouseDown) {
        onMouseDown(e);
    }
}

void Screen::mouseMove(Control* container, const MouseEvent& e) {
    Control* target = controlAt(container, e.x, e.y);
    if (capturing_ && container == captureContainer_) target = captureTarget_;
    if (target) {
        if (target->onMouseMove) target->onMouseMove(target->index(), relativeTo(*target, e));
    } else if (!container && onMouseMove) {
        onMouseMove(e);
    }
}

void Screen::mouseUp(Control* container, const MouseEvent& e) {
    Control* target = controlAt(container, e.x, e.y);
    const bool wasCaptured = capturing_ && container == captureContainer_;
    Control* pressed = wasCaptured ? captureTarget_ : nullptr;
    if (wasCaptured) target = captureTarget_;
    capturing_ = false;
    captureTarget_ = captureContainer_ = nullptr;
    if (!target) return;
    if (target->onMouseUp) target->onMouseUp(target->index(), relativeTo(*target, e));
    // A click is a press and release on the same label, the pointer still over it.
    if (pressed == target && target->enabled() && target->visible() &&
        target->contains(e.x, e.y))
        target->click();
}

void Screen::retire() {
    for (auto& t : timers_) t->retire();
    surface_.setListener(nullptr);
    capturing_ = false;
}

}  // namespace ui
