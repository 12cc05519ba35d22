// One click on the surds screen's next button, from the Qt mouse event to the new question
// painted in the window.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/registry.h"
#include "bench_support.h"
#include "program/screens.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/screen_window.h"

namespace {


void send(QWidget& button, QEvent::Type type) {
    sendMouse(button, type, QPointF(button.width() / 2.0, button.height() / 2.0), Qt::LeftButton,
              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton);
}

std::vector<double> microseconds;

void SurdsNext(benchmark::State& state) {
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    registerScreens(registry);
    registry.deliver([&] { registry.show("surds"); });
    QCoreApplication::processEvents();
    ui::Screen& surds = registry.screen("surds");
    ui::qt::ScreenWindow& window = *platform.windowOf(surds);
    QWidget& next = *window.widgetFor(surds.control("cmdgo"));
    PaintCounter counter;
    window.installEventFilter(&counter);

    for (auto _ : state) {
        const int paintsBefore = counter.paints;
        const auto start = std::chrono::steady_clock::now();
        send(next, QEvent::MouseButtonPress);
        send(next, QEvent::MouseButtonRelease);
        QCoreApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (counter.paints == paintsBefore) state.SkipWithError("the click painted nothing");
        state.SetIterationTime(took.count());
        microseconds.push_back(took.count() * 1e6);
    }
    window.removeEventFilter(&counter);
}

BENCHMARK(SurdsNext)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (!microseconds.empty())
        std::printf("\nOne next click to the painted frame, median of %zu: %.1f us\n",
                    microseconds.size(), median(microseconds));
    benchmark::Shutdown();
    return 0;
}
