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

QPoint pixels(int x, int y) {
    return {static_cast<int>(std::floor(x / static_cast<double>(ui::twipsPerPixel))),
            static_cast<int>(std::floor(y / static_cast<double>(ui::twipsPerPixel)))};
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

void QtDriver::pointer(const std::string& screen, PointerAction action, int button, int x,
                       int y) {
    const QPoint at = pixels(x, y);
    QWindow* target = pressed_;
    if (!target || action == PointerAction::Down) {
        ui::qt::ScreenWindow* w = windowOf(screen);
        target = w ? w->windowHandle() : nullptr;
    }
    if (action == PointerAction::Up) pressed_.clear();
    if (!target) {
        // The window went while the button was down: the button still comes up.
        QTestPrivate::qtestMouseButtons.setFlag(qtButton(button), false);
        return;
    }
    switch (action) {
        case PointerAction::Down:
            pressed_ = target;
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
