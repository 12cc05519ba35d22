#include "model_driver.h"

#include <set>

#include "program/start.h"

ModelDriver::ModelDriver() { restart(); }
ModelDriver::~ModelDriver() = default;

void ModelDriver::restart() {
    registry_.reset();
    platform_ = std::make_unique<FakePlatform>();
    registry_ = std::make_unique<Registry>(*platform_);
    pressed_.clear();
    startProgram(*registry_);
}

void ModelDriver::pointer(const std::string& name, PointerAction action, int button, int x, int y) {
    // One pointer: from a press to its release it stays with the window it pressed on.
    const std::string on = action == PointerAction::Down || pressed_.empty() ? name : pressed_;
    pressed_ = action == PointerAction::Down ? on : action == PointerAction::Up ? "" : pressed_;
    if (!registry_->isLoaded(on)) return;
    ui::Screen& screen = registry_->screen(on);
    // The point is in the design; the window has it where the screen's view puts it.
    const ui::View v = screen.view();
    const ui::PointerAction raw = action == PointerAction::Down   ? ui::PointerAction::Press
                                  : action == PointerAction::Move ? ui::PointerAction::Move
                                                                  : ui::PointerAction::Release;
    const ui::PointerEvent e{raw, button, ui::NoShift, v.toWindowX(x), v.toWindowY(y)};
    registry_->deliver([&] { screen.pointer(e); });
}

void ModelDriver::close(const std::string& name) {
    if (registry_->isLoaded(name)) registry_->closeRequested(registry_->screen(name));
}

void ModelDriver::key(const std::string& name, Key k) {
    if (!registry_->isLoaded(name)) return;
    const ui::Key raw = k == Key::Next        ? ui::Key::PageDown
                        : k == Key::Projector ? ui::Key::F11
                                              : ui::Key::Escape;
    registry_->keyPressed(registry_->screen(name), raw);
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
