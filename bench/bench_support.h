#pragma once
// What the Qt benchmarks share: the program with one screen shown, a real mouse event, a
// count of paints, the median, and a main() on the offscreen platform.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/registry.h"
#include "program/screens.h"
#include "qt/convert.h"
#include "qt/qt_platform.h"

// The program with one screen shown, at the design size or in projector mode.
struct ShownScreen {
    explicit ShownScreen(const char* name, bool projector = false) {
        // Windows of the previous run are deleted later by the event loop: let them go now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        registerScreens(registry);
        registry.deliver([&] {
            registry.show(name);
            registry.setProjector(projector);
        });
        QCoreApplication::processEvents();
        screen = &registry.screen(name);
        window = platform.windowOf(*screen);
    }
    // Where a control lies in the window, in its pixels.
    QRect rectOf(const ui::Control& c) const {
        return ui::qt::toWindowRect(window->view(), screen->areaOf(c));
    }
    ui::qt::QtPlatform platform;
    Registry registry{platform};
    ui::Screen* screen = nullptr;
    ui::qt::ScreenWindow* window = nullptr;
};

// A mouse event as the window system delivers it: `button` changed, `held` down after it.
inline void sendMouse(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

// Counts the paints of a widget, so a timed event is known to have reached the screen.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Runs the benchmarks on Qt's offscreen platform (`platform` may name its display), then
// prints the summary.
inline int runOffscreen(int argc, char** argv, const std::function<void()>& summary,
                        const char* platform = "offscreen") {
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    summary();
    benchmark::Shutdown();
    return 0;
}

// The median: a busy machine stretches some steps, not the typical one.
inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::ranges::sort(v);
    return v[v.size() / 2];
}
