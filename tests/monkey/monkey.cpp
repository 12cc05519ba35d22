#include "monkey.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <vector>

#include "app/registry.h"
#include "support/kit.h"

namespace {

using kit::onView;
using kit::screenOrigin;
using kit::ScreenPoint;

// Runs a timer's handler, noting when its screen is no longer the registry's.
struct TimerWatch {
    std::function<void()> handler;
    const ui::Screen* owner;
    const Registry* registry;
    EventOutcome* outcome;
    void operator()() const {
        const std::vector<ui::Screen*> loaded = registry->loadedScreens();
        if (std::ranges::find(loaded, owner) == loaded.end()) outcome->timerOfUnloaded = true;
        handler();
    }
};

// Runs the title screen's "Exit", noting that the program is ended the proper way.
struct ExitWatch {
    ui::Control::ClickHandler handler;
    EventOutcome* outcome;
    void operator()(int index) const {
        outcome->exitClicked = true;
        handler(index);
    }
};

bool clickable(const ui::Control& c) {
    using ui::ControlKind;
    const ControlKind k = c.kind();
    return (k == ControlKind::Button || k == ControlKind::OptionButton ||
            k == ControlKind::CheckBox || k == ControlKind::Label || k == ControlKind::Image) &&
           c.enabled() && onView(c);
}

bool answers(const ui::Control& c) { return c.onClick || c.onMouseDown || c.onMouseUp; }

std::string nameOf(const ui::Control& c) {
    std::string name = c.name();
    if (c.index() >= 0) name.append("(").append(std::to_string(c.index())).append(")");
    return name;
}

std::string at(int x, int y) { return " at " + std::to_string(x) + "," + std::to_string(y); }

std::vector<const ui::Screen*> shownScreens(const Registry& registry) {
    std::vector<const ui::Screen*> shown;
    for (const ui::Screen* s : registry.loadedScreens())
        if (s->shown()) shown.push_back(s);
    return shown;
}

}  // namespace

Monkey::Monkey(Driver& driver, std::uint64_t seed) : driver_(driver), random_(seed) {
    watchScreens();
}

int Monkey::pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
int Monkey::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

void Monkey::run(std::uint64_t count) {
    while (events_ < count && fault_.empty()) {
        ++events_;
        outcome_ = {};
        description_.clear();
        try {
            step();
            watchScreens();
            // A dozen clicks a second, or fewer: the clock moves between any two events.
            driver_.advance(between(0, 150));
        } catch (const std::exception& e) {
            fault_ = std::string("no handler threw (") + e.what() + ")";
            return;
        }
        check();
    }
}

void Monkey::step() {
    if (!dragScreen_.empty()) return continueDrag();
    const std::vector<const ui::Screen*> shown = shownScreens(driver_.registry());
    if (shown.empty()) return advanceClock();
    const ui::Screen& screen = *oneOf(shown);
    const int roll = pick(100);
    if (roll < 45) return clickControl(screen);
    if (roll < 60) return clickPoint(screen);
    if (roll < 70) return startDrag(screen);
    if (roll < 85) return movePointer(screen);
    if (roll < 86) return closeWindow(screen);
    if (roll < 88) return pressKey(screen);
    advanceClock();
}

void Monkey::clickControl(const ui::Screen& screen) {
    // Controls that answer a click are picked more often than those that do not.
    std::vector<const ui::Control*> candidates;
    for (const auto& c : screen.controls())
        if (clickable(*c)) candidates.insert(candidates.end(), answers(*c) ? 4 : 1, c.get());
    if (candidates.empty()) return clickPoint(screen);
    const ui::Control& c = *oneOf(candidates);
    const ScreenPoint origin = screenOrigin(c);
    const int x = origin.x + c.width() / 2;
    const int y = origin.y + c.height() / 2;
    description_ = "click " + screen.name() + "." + nameOf(c) + at(x, y);
    const std::string name = screen.name();
    driver_.pointer(name, PointerAction::Down, ui::LeftButton, x, y);
    driver_.pointer(name, PointerAction::Up, ui::LeftButton, x, y);
}

void Monkey::clickPoint(const ui::Screen& screen) {
    // The screen itself or one of its frames and picture boxes, and a point inside it.
    std::vector<const ui::Control*> grounds = {nullptr};
    for (const auto& c : screen.controls())
        if ((c->kind() == ui::ControlKind::Frame || c->kind() == ui::ControlKind::PictureBox) &&
            onView(*c))
            grounds.push_back(c.get());
    const ui::Control* ground = oneOf(grounds);
    ScreenPoint origin;
    int width = screen.clientWidth();
    int height = screen.clientHeight();
    if (ground) {
        origin = screenOrigin(*ground);
        width = ground->width();
        height = ground->height();
    }
    const int x = origin.x + between(0, std::max(width - 1, 0));
    const int y = origin.y + between(0, std::max(height - 1, 0));
    const int button = pick(5) == 0 ? ui::RightButton : ui::LeftButton;
    description_ = std::string(button == ui::LeftButton ? "click " : "right click ") +
                   screen.name() + (ground ? " in " + nameOf(*ground) : "") + at(x, y);
    driver_.pointer(screen.name(), PointerAction::Down, button, x, y);
    driver_.pointer(screen.name(), PointerAction::Up, button, x, y);
}

void Monkey::startDrag(const ui::Screen& screen) {
    dragScreen_ = screen.name();
    dragButton_ = pick(4) == 0 ? ui::RightButton : ui::LeftButton;
    dragMovesLeft_ = between(1, 8);
    dragX_ = between(0, screen.clientWidth() - 1);
    dragY_ = between(0, screen.clientHeight() - 1);
    description_ = "press for a drag on " + dragScreen_ + at(dragX_, dragY_);
    driver_.pointer(dragScreen_, PointerAction::Down, dragButton_, dragX_, dragY_);
}

void Monkey::continueDrag() {
    const std::string screen = dragScreen_;
    if (dragMovesLeft_-- == 0) {
        dragScreen_.clear();
        description_ = "release the drag on " + screen + at(dragX_, dragY_);
        driver_.pointer(screen, PointerAction::Up, dragButton_, dragX_, dragY_);
        return;
    }
    // Now a short step, now a leap that may leave the window altogether.
    if (pick(2) == 0) {
        dragX_ += between(-600, 600);
        dragY_ += between(-600, 600);
    } else {
        dragX_ = between(-3000, 15000);
        dragY_ = between(-3000, 12000);
    }
    description_ = "drag on " + screen + at(dragX_, dragY_);
    driver_.pointer(screen, PointerAction::Move, dragButton_, dragX_, dragY_);
}

void Monkey::movePointer(const ui::Screen& screen) {
    const int x = between(0, screen.clientWidth() - 1);
    const int y = between(0, screen.clientHeight() - 1);
    description_ = "move over " + screen.name() + at(x, y);
    driver_.pointer(screen.name(), PointerAction::Move, ui::NoButton, x, y);
}

void Monkey::closeWindow(const ui::Screen& screen) {
    description_ = "close " + screen.name() + " from the window system";
    outcome_.closed = screen.name();
    outcome_.closedHasWindowButtons = screen.windowButtons();
    driver_.close(outcome_.closed);
}

void Monkey::pressKey(const ui::Screen& screen) {
    constexpr Key keys[] = {Key::Next, Key::Projector, Key::LeaveProjector};
    constexpr const char* names[] = {"Page Down", "F11", "Escape"};
    const int which = pick(3);
    const Key k = keys[which];
    description_ = std::string(names[which]) + " on " + screen.name();
    driver_.key(screen.name(), k);
}

void Monkey::advanceClock() {
    const int ms = between(1, 6000);
    description_ = "advance the clock " + std::to_string(ms) + " ms";
    driver_.advance(ms);
}

void Monkey::watchScreens() {
    const Registry& registry = driver_.registry();
    for (ui::Screen* s : registry.loadedScreens()) {
        for (const auto& t : s->timers())
            if (t->onTimer && !t->onTimer.target<TimerWatch>())
                t->onTimer = TimerWatch{std::move(t->onTimer), s, &registry, &outcome_};
        if (s->name() != programExit.screen) continue;
        for (const auto& c : s->controls())
            if (c->caption() == programExit.caption && c->onClick &&
                !c->onClick.target<ExitWatch>())
                c->onClick = ExitWatch{std::move(c->onClick), &outcome_};
    }
}

void Monkey::check() {
    const Registry& registry = driver_.registry();
    fault_ = brokenInvariant(registry, outcome_);
    if (fault_.empty()) fault_ = driver_.windowFault();
    if (!fault_.empty()) return;
    for (const ui::Screen* s : shownScreens(registry)) screensShown_.insert(s->name());
    if (!registry.ended()) return;
    // The program ended properly: it starts again, as a teacher would start it.
    driver_.restart();
    dragScreen_.clear();
    watchScreens();
    fault_ = brokenInvariant(driver_.registry(), {});
    if (!fault_.empty()) fault_ = "the program starts again after it ends: " + fault_;
}
