// One left-button mouse move on the Jotter, from the Qt event to the segment in the backing
// image, after drawings of different lengths: the cost must not grow with the drawing, and
// memory grows only by the strokes the model keeps. Then a change of view (projector mode on
// and off) after the longest drawing: every stroke drawn again, once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

constexpr int repetitions = 9;
constexpr int movesPerRun = 4000;

// The program's resident memory, in kilobytes.
long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// The n-th point of a snaking zigzag of short strokes over the drawing area, in pixels.
QPoint pointOf(long n) {
    const long row = n / 120;
    const long step = n % 120;
    const long x = row % 2 == 0 ? 20 + 5 * step : 615 - 5 * step;
    return {static_cast<int>(x), static_cast<int>(20 + (row % 25) * 7 + (step % 2) * 3)};
}

void send(QWidget& window, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    sendMouse(window, type, QPointF(at), button, Qt::LeftButton);
}

void strokeTo(QWidget& window, long n) {
    send(window, QEvent::MouseMove, pointOf(n), Qt::NoButton);
    // Let the window paint now and then, as the event loop would between moves.
    if (n % 16 == 0) QCoreApplication::processEvents();
}

struct Result {
    std::vector<double> microseconds;  // every timed move of every run
    long residentAt100Kb = 0;
    long residentKb = 0;
};
std::map<long, Result> results;

void JotterMove(benchmark::State& state) {
    const long drawn = state.range(0);
    ShownScreen shown("jotter");
    QWidget& window = *shown.window;

    Result& result = results[drawn];
    send(window, QEvent::MouseButtonPress, pointOf(0), Qt::LeftButton);
    for (long n = 1; n <= drawn; ++n) {
        strokeTo(window, n);
        if (n == 100) result.residentAt100Kb = residentKb();
    }
    QCoreApplication::processEvents();
    result.residentKb = residentKb();

    long n = drawn;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        send(window, QEvent::MouseMove, pointOf(++n), Qt::NoButton);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        result.microseconds.push_back(took.count() * 1e6);
        if (n % 16 == 0) QCoreApplication::processEvents();
    }
    send(window, QEvent::MouseButtonRelease, pointOf(n), Qt::LeftButton);
    state.counters["rss_kb"] = static_cast<double>(result.residentKb);
    state.counters["rss_at_100_kb"] = static_cast<double>(result.residentAt100Kb);
}

BENCHMARK(JotterMove)
    ->ArgName("segments")
    ->Arg(100)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Iterations(movesPerRun)
    ->Repetitions(repetitions)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

std::vector<double> viewChanges;  // milliseconds

void JotterViewChange(benchmark::State& state) {
    const long drawn = state.range(0);
    ShownScreen shown("jotter");
    QWidget& window = *shown.window;
    send(window, QEvent::MouseButtonPress, pointOf(0), Qt::LeftButton);
    for (long n = 1; n <= drawn; ++n) strokeTo(window, n);
    send(window, QEvent::MouseButtonRelease, pointOf(drawn), Qt::LeftButton);
    QCoreApplication::processEvents();
    bool projector = false;
    for (auto _ : state) {
        projector = !projector;
        const auto start = std::chrono::steady_clock::now();
        shown.registry.deliver([&] { shown.registry.setProjector(projector); });
        QCoreApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        viewChanges.push_back(took.count() * 1e3);
    }
    state.counters["strokes"] = static_cast<double>(shown.screen->surface().strokes().size());
}

BENCHMARK(JotterViewChange)
    ->ArgName("segments")
    ->Arg(100'000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void printSummary() {
    if (!viewChanges.empty())
        std::printf("\nA change of view after 100000 segments, median of %zu: %.1f ms\n",
                    viewChanges.size(), median(viewChanges));
    if (!results.contains(100) || !results.contains(100'000)) return;
    // The median move: a busy machine stretches some moves, not the typical one.
    std::printf("\nOne left-button move, median over %d runs of %d moves:\n", repetitions,
                movesPerRun);
    for (const auto& [drawn, r] : results)
        std::printf("  after %7ld segments: %7.2f us\n", drawn, median(r.microseconds));
    std::printf("  ratio 100000/100: %.2fx\n",
                median(results[100'000].microseconds) / median(results[100].microseconds));
    const Result& longest = results[100'000];
    std::printf("Resident memory after 100 segments: %ld KB, after 100000: %ld KB (%+ld KB)\n",
                longest.residentAt100Kb, longest.residentKb,
                longest.residentKb - longest.residentAt100Kb);
}

}  // namespace

int main(int argc, char** argv) { return runOffscreen(argc, argv, printSummary); }
