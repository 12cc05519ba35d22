// What a Jotter with 200,000 segments costs in memory on the desktop, on the offscreen platform:
// the heap in use and resident memory after drawing them against before, beside what the model
// must keep for them (its strokes, as many as its vector holds). In the same run, the Jotter with
// no segment (what the meters read for nothing) and with 100 (what a pad costs once drawn on,
// however long the drawing: its image of the strokes).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "bench_support.h"

namespace {

// What the program's allocator has handed out and not had back, in bytes: from its heap, and in
// blocks of their own (a long vector).
long long heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
}

long long residentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<long long>(resident) * sysconf(_SC_PAGESIZE);
}

// The n-th point of a zigzag over the pad, in pixels: short segments, as a pupil writes.
QPointF pointOf(long n) {
    return {20.0 + static_cast<double>(n % 120) * 5,
            20.0 + static_cast<double>(n / 120 % 25) * 7 + static_cast<double>(n % 2) * 3};
}

struct Cost {
    long long heap = 0;
    long long resident = 0;
    long long kept = 0;  // the model's strokes: their vector's capacity at their size
};
std::map<long, Cost> costs;

void JotterMemory(benchmark::State& state) {
    const long segments = state.range(0);
    for (auto _ : state) {
        ShownScreen shown("jotter");
        QWidget& pad = *shown.window;
        QCoreApplication::processEvents();
        const long long heapBefore = heapInUse(), residentBefore = residentBytes();
        sendMouse(pad, QEvent::MouseButtonPress, pointOf(0), Qt::LeftButton, Qt::LeftButton);
        for (long n = 1; n <= segments; ++n) {
            sendMouse(pad, QEvent::MouseMove, pointOf(n), Qt::NoButton, Qt::LeftButton);
            // The window paints now and then, as the event loop would between moves.
            if (n % 64 == 0) QCoreApplication::processEvents();
        }
        sendMouse(pad, QEvent::MouseButtonRelease, pointOf(segments), Qt::LeftButton, Qt::NoButton);
        QCoreApplication::processEvents();
        const auto& strokes = shown.screen->surface().strokes();
        if (static_cast<long>(strokes.size()) != segments)
            state.SkipWithError("the moves drew another number of segments");
        costs[segments] = {heapInUse() - heapBefore, residentBytes() - residentBefore,
                           static_cast<long long>(strokes.capacity() * sizeof(ui::Stroke))};
    }
    state.counters["heap_bytes_per_segment"] =
        segments ? static_cast<double>(costs[segments].heap) / static_cast<double>(segments) : 0;
}
BENCHMARK(JotterMemory)
    ->ArgName("segments")
    ->Arg(0)
    ->Arg(100)
    ->Arg(200'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void printSummary() {
    constexpr double mib = 1024 * 1024;
    std::printf("\nThe Jotter's memory on the desktop, once drawn on (offscreen):\n");
    for (const auto& [segments, c] : costs)
        std::printf(
            "  %6ld segments: heap in use %+7.2f MiB, resident %+7.2f MiB; the model's strokes "
            "%6.2f MiB (%zu bytes each)\n",
            segments, static_cast<double>(c.heap) / mib, static_cast<double>(c.resident) / mib,
            static_cast<double>(c.kept) / mib, sizeof(ui::Stroke));
}

}  // namespace

int main(int argc, char** argv) { return runOffscreen(argc, argv, printSummary); }
