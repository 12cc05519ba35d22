// One click on the surds screen's next button, from the Qt mouse event to the new question
// painted in the window.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "qt/screen_window.h"

namespace {

void send(QWidget& window, QRect button, QEvent::Type type) {
    sendMouse(window, type, QRectF(button).center(), Qt::LeftButton,
              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton);
}

std::vector<double> microseconds;

void SurdsNext(benchmark::State& state) {
    ShownScreen shown("surds");
    ui::Screen& surds = *shown.screen;
    ui::qt::ScreenWindow& window = *shown.window;
    const QRect next = shown.rectOf(surds.control("cmdgo"));
    PaintCounter counter;
    window.installEventFilter(&counter);

    for (auto _ : state) {
        const int paintsBefore = counter.paints;
        const auto start = std::chrono::steady_clock::now();
        send(window, next, QEvent::MouseButtonPress);
        send(window, next, QEvent::MouseButtonRelease);
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
    return runOffscreen(argc, argv, [] {
        if (!microseconds.empty())
            std::printf("\nOne next click to the painted frame, median of %zu: %.1f us\n",
                        microseconds.size(), median(microseconds));
    });
}
