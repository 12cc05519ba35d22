// One drag step on a reflections cross: from the Qt mouse move to the painted frame, on the
// offscreen platform. Only the cross and its two outline lines are repainted, so the step
// costs far less than a repaint of the whole grid.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench_support.h"

namespace {

constexpr int repetitions = 9;
constexpr int movesPerRun = 2000;

std::vector<double> microseconds;

void send(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    sendMouse(target, type, at, button, Qt::LeftButton);
}

// The n-th pointer position, in pixels of the drawing area: a slow loop over the grid.
QPointF pointOf(long n, QPointF corner) {
    const double turn = static_cast<double>(n) / 400.0 * 6.283185307179586;
    return corner + QPointF(290 + 200 * std::cos(turn), 240 + 180 * std::sin(turn));
}

void CrossDragStep(benchmark::State& state) {
    ShownScreen shown("reflections");
    ui::Screen& screen = *shown.screen;
    ui::qt::ScreenWindow& window = *shown.window;
    QWidget& picture = window;
    const QPointF corner = shown.rectOf(screen.control("Picturegraph")).topLeft();
    const ui::Control& cross = screen.control("Labelblack");

    // Press on the cross at home, then move it in small steps as a hand does.
    const QPointF home = corner + QPointF((cross.left() + 105) / 15.0, (cross.top() + 187) / 15.0);
    send(picture, QEvent::MouseButtonPress, home, Qt::LeftButton);
    QCoreApplication::processEvents();
    long n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        send(picture, QEvent::MouseMove, pointOf(++n, corner), Qt::NoButton);
        QCoreApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        microseconds.push_back(took.count() * 1e6);
    }
    send(picture, QEvent::MouseButtonRelease, pointOf(n, corner), Qt::LeftButton);
    QCoreApplication::processEvents();
}

BENCHMARK(CrossDragStep)
    ->Iterations(movesPerRun)
    ->Repetitions(repetitions)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void printSummary() {
    if (microseconds.empty()) return;
    std::vector<double> v = microseconds;
    std::ranges::sort(v);
    std::printf("\nOne drag step on a cross, move to painted frame, over %zu steps:\n", v.size());
    std::printf("  median %.1f us, 90th percentile %.1f us\n", v[v.size() / 2],
                v[v.size() * 9 / 10]);
}

}  // namespace

int main(int argc, char** argv) { return runOffscreen(argc, argv, printSummary); }
