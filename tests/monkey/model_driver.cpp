#include "model_driver.h"

#include <algorithm>
#include <set>

#include "program/start.h"

namespace {

bool isButtonLike(ui::ControlKind kind) {
    return kind == ui::ControlKind::Button || kind == ui::ControlKind::OptionButton ||
           kind == ui::ControlKind::CheckBox;
}

// What a left click does to each kind of windowed button.
void activate(ui::Control& c) {
    if (c.kind() == ui::ControlKind::OptionButton)
        c.setValue(1);
    else if (c.kind() == ui::ControlKind::CheckBox)
        c.setValue(c.value() ? 0 : 1);
    else
        c.click();
}

}  // namespace

ModelDriver::ModelDriver() { restart(); }
ModelDriver::~ModelDriver() = default;

void ModelDriver::restart() {
    registry_.reset();
    platform_ = std::make_unique<FakePlatform>();
    registry_ = std::make_unique<Registry>(*platform_);
    grabScreen_ = nullptr;
    startProgram(*registry_);
}

ModelDriver::Target ModelDriver::targetAt(const ui::Screen& screen, int x, int y,
                                          bool buttonsTakeIt) {
    Target t;
    for (;;) {
        ui::Control* hit = nullptr;
        // Later controls stand in front.
        for (const auto& c : screen.controls())
            if (c->container() == t.container && ui::isWindowed(c->kind()) && c->visible() &&
                c->contains(x - t.originX, y - t.originY))
                hit = c.get();
        // A disabled control, or a button that takes only the left button, lets the pointer
        // through to what holds it.
        if (!hit || !hit->enabled() || (isButtonLike(hit->kind()) && !buttonsTakeIt))
            return t;
        if (isButtonLike(hit->kind())) {
            t.button = hit;
            return t;
        }
        t.container = hit;
        t.originX += hit->left();
        t.originY += hit->top();
    }
}

bool ModelDriver::grabHeld(const ui::Screen& screen) const {
    if (grabScreen_ != &screen) return false;
    const ui::Control* held = grab_.button ? grab_.button : grab_.container;
    return !held || std::ranges::any_of(screen.controls(),
                                        [&](const auto& c) { return c.get() == held; });
}

void ModelDriver::pointer(const std::string& name, PointerAction action, int button, int x,
                          int y) {
    if (!registry_->isLoaded(name)) return;
    ui::Screen& screen = registry_->screen(name);
    Target t;
    if (action == PointerAction::Down) {
        t = grab_ = targetAt(screen, x, y, button == ui::LeftButton);
        grabScreen_ = &screen;
    } else if (grabHeld(screen)) {
        t = grab_;
    } else if (action == PointerAction::Move) {
        t = targetAt(screen, x, y, false);
    } else {
        return;  // a release whose press went nowhere
    }
    if (action == PointerAction::Up) grabScreen_ = nullptr;
    const ui::MouseEvent e{button, ui::NoShift, x - t.originX, y - t.originY};
    registry_->deliver([&] {
        if (t.button) {
            if (action == PointerAction::Up && t.button->contains(e.x, e.y)) activate(*t.button);
        } else if (action == PointerAction::Down) {
            screen.mouseDown(t.container, e);
        } else if (action == PointerAction::Move) {
            screen.mouseMove(t.container, e);
        } else {
            screen.mouseUp(t.container, e);
        }
    });
}

void ModelDriver::close(const std::string& name) {
    if (registry_->isLoaded(name)) registry_->closeRequested(registry_->screen(name));
}

// The model has no projector: only the presenter's forward reaches it.
void ModelDriver::key(const std::string& name, Key k) {
    if (k == Key::Next && registry_->isLoaded(name))
        registry_->nextRequested(registry_->screen(name));
}

std::string ModelDriver::windowFault() {
    std::set<std::string> loaded;
    for (const ui::Screen* s : registry_->loadedScreens()) {
        loaded.insert(s->name());
        if (s->shown() && !platform_->hasWindow(s->name()))
            return s->name() + " is shown without a window";
    }
    for (const std::string& name : platform_->windows)
        if (!loaded.contains(name)) return name + " has a window but is not loaded";
    return {};
}
