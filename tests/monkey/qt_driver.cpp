#include "qt_driver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <set>

#include "program/start.h"
#include "ui/twips.h"

namespace {

// Every posted event delivered, windows that were let go deleted.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Qt::MouseButton qtButton(int button) {
    return button == ui::RightButton ? Qt::RightButton : Qt::LeftButton;
}

// A point of the design in twips, on the window as it is drawn now (projector mode or not).
QPoint pixels(const ui::qt::ScreenWindow& w, int x, int y) {
    const ui::View& v = w.view();
    return {static_cast<int>(std::floor(v.toWindowX(x) / ui::twipsPerPixel)),
            static_cast<int>(std::floor(v.toWindowY(y) / ui::twipsPerPixel))};
}

}  // namespace

QtDriver::QtDriver() { restart(); }

QtDriver::~QtDriver() {
    registry_.reset();
    platform_.reset();
    settle();
}

void QtDriver::restart() {
    registry_.reset();
    platform_ = std::make_unique<Platform>();
    registry_ = std::make_unique<Registry>(*platform_);
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    startProgram(*registry_);
    settle();
}

ui::qt::ScreenWindow* QtDriver::windowOf(const std::string& screen) const {
    if (!registry_->isLoaded(screen)) return nullptr;
    ui::qt::ScreenWindow* w = platform_->windowOf(registry_->screen(screen));
    return w && w->isVisible() ? w : nullptr;
}

void QtDriver::pointer(const std::string& screen, PointerAction action, int button, int x, int y) {
    ui::qt::ScreenWindow* window = pressedWindow_;
    if (!pressed_ || action == PointerAction::Down) window = windowOf(screen);
    QWindow* target = window ? window->windowHandle() : nullptr;
    if (action == PointerAction::Up) pressed_.clear(), pressedWindow_.clear();
    if (!target) {
        // The window went while the button was down: the button still comes up.
        QTestPrivate::qtestMouseButtons.setFlag(qtButton(button), false);
        return;
    }
    const QPoint at = pixels(*window, x, y);
    switch (action) {
        case PointerAction::Down:
            pressed_ = target;
            pressedWindow_ = window;
            QTest::mousePress(target, qtButton(button), {}, at);
            break;
        case PointerAction::Move: QTest::mouseMove(target, at); break;
        case PointerAction::Up: QTest::mouseRelease(target, qtButton(button), {}, at); break;
    }
    settle();
}

void QtDriver::close(const std::string& screen) {
    if (ui::qt::ScreenWindow* w = windowOf(screen)) {
        QCloseEvent close;
        QCoreApplication::sendEvent(w, &close);
        settle();
    }
}

void QtDriver::key(const std::string& screen, Key k) {
    ui::qt::ScreenWindow* w = windowOf(screen);
    if (!w) return;
    QApplication::setActiveWindow(w);
    const Qt::Key qtKey = k == Key::Next        ? Qt::Key_PageDown
                          : k == Key::Projector ? Qt::Key_F11
                                                : Qt::Key_Escape;
    QTest::keyClick(w, qtKey);
    settle();
}

void QtDriver::advance(int ms) {
    platform_->clock.advance(static_cast<std::uint64_t>(ms));
    settle();
}

std::string QtDriver::windowFault() {
    const std::vector<ui::Screen*> loaded = registry_->loadedScreens();
    std::set<std::string> names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* window = dynamic_cast<ui::qt::ScreenWindow*>(w);
        if (!window || !window->isVisible()) continue;
        const ui::Screen* s = window->screen();
        if (!s || std::ranges::find(loaded, s) == loaded.end())
            return "no window stays up for a screen that is gone";
        if (!s->shown()) return s->name() + " is hidden but its window is up";
        if (!names.insert(s->name()).second) return "one window per screen name: " + s->name();
    }
    for (const ui::Screen* s : loaded)
        if (s->shown() && !windowOf(s->name())) return s->name() + " is shown without a window";
    return {};
}
