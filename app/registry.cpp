#include "app/registry.h"

#include "app/keys.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

Registry::Registry(ui::Platform& platform) : platform_(platform), random_(platform) {
    platform_.setEventSink(this);
}

Registry::~Registry() {
    for (auto& [name, s] : loaded_) {
        s->retire();
        platform_.destroyWindow(*s);
    }
    platform_.setEventSink(nullptr);
}

void Registry::add(std::string name, Factory factory) {
    factories_.emplace(std::move(name), std::move(factory));
}

ui::Screen& Registry::screen(std::string_view name) {
    if (auto it = loaded_.find(name); it != loaded_.end()) return *it->second;
    auto factory = factories_.find(name);
    if (factory == factories_.end())
        throw std::out_of_range("no screen named " + std::string(name));
    // Registered before Form_Load runs, so a screen that its own load reaches is this one.
    ui::Screen& s = *loaded_.emplace(std::string(name), factory->second(*this)).first->second;
    s.setProjected(projector_, platform_.displaySize());
    s.setBlanked(blanked_);
    ++depth_;
    try {
        s.Form_Load();
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    return s;
}

bool Registry::isLoaded(std::string_view name) const { return loaded_.contains(name); }

std::vector<ui::Screen*> Registry::loadedScreens() const {
    std::vector<ui::Screen*> screens;
    for (const auto& [name, s] : loaded_) screens.push_back(s.get());
    return screens;
}

void Registry::show(std::string_view name) {
    if (ended_) return;
    ui::Screen& s = screen(name);
    s.setShown(true);
    use(&s);
    platform_.showWindow(s);
}

void Registry::unload(std::string_view name) {
    auto it = loaded_.find(name);
    if (it == loaded_.end()) return;
    std::unique_ptr<ui::Screen> s = std::move(it->second);
    loaded_.erase(it);
    std::erase(used_, s.get());
    use(used_.empty() ? nullptr : used_.back());
    s->retire();
    s->setShown(false);
    platform_.destroyWindow(*s);
    unloaded_.push_back(std::move(s));
    if (depth_ == 0) collect();
}

void Registry::end() {
    ended_ = true;
    while (!loaded_.empty()) unload(loaded_.begin()->first);
    platform_.end();
}

void Registry::deliver(const std::function<void()>& handler) {
    if (ended_) return;
    ++depth_;
    try {
        handler();
    } catch (const std::exception& e) {
        // A fault in one handler must not take the lesson down with it.
        ++caughtFaults_;
        std::fprintf(stderr, "quillon: %s\n", e.what());
    }
    if (--depth_ == 0) {
        collect();
        if (!ended_) platform_.refresh();
    }
}

void Registry::closeRequested(ui::Screen& screen) {
    if (screen.onCloseBox) {
        deliver(screen.onCloseBox);
        return;
    }
    // The title, introduction and menus offer no other way out: whoever closes one means to
    // leave, as "Exit" does.
    if (!screen.windowButtons()) {
        deliver([this] { end(); });
        return;
    }
    const std::string name = screen.name();
    deliver([&] { unload(name); });
}

bool Registry::keyPressed(ui::Screen& screen, ui::Key key) {
    // Any key brings a blanked lesson back, and does nothing else.
    if (blanked_) {
        deliver([this] { setBlanked(false); });
        return true;
    }
    bool used = false;
    deliver([&] { used = screen.key(key); });
    if (used) return true;
    const KeyAction* action = bindingOf(key);
    if (action) deliver([&] { (*action)(*this, screen); });
    return action != nullptr;
}

void Registry::windowActivated(ui::Screen& screen) {
    deliver([&] { use(&screen); });
}

void Registry::use(ui::Screen* s) {
    if (s) {
        std::erase(used_, s);
        used_.push_back(s);
    }
    for (ui::Screen* shown : used_) shown->setInert(shown != s);
}

void Registry::blankEnded() {
    deliver([this] { setBlanked(false); });
}

void Registry::setBlanked(bool on) {
    blanked_ = on;
    for (const auto& [name, s] : loaded_) s->setBlanked(on);
}

void Registry::setProjector(bool on) {
    projector_ = on;
    for (const auto& [name, s] : loaded_) s->setProjected(on, platform_.displaySize());
}

void Registry::displayChanged() {
    deliver([this] { setProjector(projector_); });
}

void Registry::collect() { unloaded_.clear(); }
