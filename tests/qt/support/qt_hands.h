#pragma once
#include <QCoreApplication>
#include <QTest>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

#include "app/registry.h"
#include "qt/convert.h"
#include "qt/qt_platform.h"
#include "support/trips.h"
#include "ui/twips.h"

// Every posted event delivered and every window let go deleted, as the event loop would
// between two clicks.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A pupil's mouse on the program's real Qt windows: Qt's own mouse events on a screen's window.
class QtHands {
public:
    QtHands(ui::qt::QtPlatform& platform, Registry& registry)
        : platform_(platform), registry_(registry) {}

    // A left click at the middle of a control (member `index` of an array).
    void click(const std::string& screen, const std::string& control, int index = -1) {
        ui::Screen& s = registry_.screen(screen);
        ui::qt::ScreenWindow& w = windowOf(s);
        const QRect r = ui::qt::toWindowRect(w.view(), s.areaOf(s.control(control, index)));
        QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, r.center());
        settled();
    }
    // Pressed at the first point, moved through the rest with the left button held.
    void drag(const std::string& screen, std::span<const TwipPoint> path) {
        ui::qt::ScreenWindow& w = windowOf(registry_.screen(screen));
        QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, pixelOf(w, path.front()));
        for (const TwipPoint& p : path.subspan(1)) QTest::mouseMove(&w, pixelOf(w, p));
        QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, pixelOf(w, path.back()));
        settled();
    }

    // What a test or benchmark does once each click or drag has settled: read every window, count.
    std::function<void()> afterEachStep;

private:
    void settled() {
        settle();
        if (afterEachStep) afterEachStep();
    }
    ui::qt::ScreenWindow& windowOf(const ui::Screen& s) {
        ui::qt::ScreenWindow* w = platform_.windowOf(s);
        if (!w) throw std::runtime_error(s.name() + " has no window");
        return *w;
    }
    static QPoint pixelOf(const ui::qt::ScreenWindow& w, TwipPoint p) {
        const ui::View v = w.view();
        return {static_cast<int>(v.toWindowX(p.x) / ui::twipsPerPixel),
                static_cast<int>(v.toWindowY(p.y) / ui::twipsPerPixel)};
    }

    ui::qt::QtPlatform& platform_;
    Registry& registry_;
};
