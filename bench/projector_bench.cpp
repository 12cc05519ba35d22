// Projector mode at 1920 x 1080 against the design size, in one run on the offscreen platform:
// a click on a Hamiltonian edge and a drag step of a reflections cross, each from the Qt event
// to the painted frame, and a Jotter move from the Qt event to the segment in its board, after
// short and long drawings; and what one display list costs per screen.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_support.h"
#include "qt/fonts.h"
#include "ui/display_list.h"

namespace {

std::map<std::string, std::vector<double>> timings;  // microseconds, by benchmark name

constexpr auto send = sendMouse;

template <class Step>
void timed(benchmark::State& state, const std::string& name, Step step) {
    std::vector<double>& into = timings[name];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        into.push_back(took.count() * 1e6);
    }
}

void HamiltonEdgeClick(benchmark::State& state) {
    ShownScreen shown("hamilton", state.range(0) != 0);
    const ui::Control& line = shown.registry.screen("hamilton").control("Line1", 0);
    const ui::View& v = shown.window->view();
    const QPointF centre = QPointF(v.toWindowX((line.x1() + line.x2()) / 2),
                                   v.toWindowY((line.y1() + line.y2()) / 2)) /
                           15;
    const std::string name =
        state.range(0) ? "hamilton edge click, projector" : "hamilton edge click, design size";
    PaintCounter counter;
    shown.window->installEventFilter(&counter);
    timed(state, name, [&] {
        const int paintsBefore = counter.paints;
        send(*shown.window, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        send(*shown.window, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        QCoreApplication::processEvents();  // the frame is painted
        if (counter.paints == paintsBefore) state.SkipWithError("the click painted nothing");
    });
    shown.window->removeEventFilter(&counter);
}
BENCHMARK(HamiltonEdgeClick)
    ->ArgName("projector")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A hand drags a reflections cross in a slow loop over the grid, in the picture box's pixels.
void CrossDragStep(benchmark::State& state) {
    ShownScreen shown("reflections", state.range(0) != 0);
    ui::Screen& screen = shown.registry.screen("reflections");
    QWidget& picture = *shown.window;
    const QPointF corner = shown.rectOf(screen.control("Picturegraph")).topLeft();
    const double scale = shown.window->view().scale;
    const ui::Control& cross = screen.control("Labelblack");
    const QPointF home =
        corner + QPointF((cross.left() + 105) / 15.0, (cross.top() + 187) / 15.0) * scale;
    auto pointOf = [scale, corner](long n) {
        const double turn = static_cast<double>(n) / 400.0 * 6.283185307179586;
        return corner + QPointF(290 + 200 * std::cos(turn), 240 + 180 * std::sin(turn)) * scale;
    };
    send(picture, QEvent::MouseButtonPress, home, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    long n = 0;
    const std::string name = state.range(0) ? "reflections cross drag step, projector"
                                            : "reflections cross drag step, design size";
    timed(state, name, [&] {
        send(picture, QEvent::MouseMove, pointOf(++n), Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents();  // the frame is painted
    });
    send(picture, QEvent::MouseButtonRelease, pointOf(n), Qt::LeftButton, Qt::NoButton);
    QCoreApplication::processEvents();
}
BENCHMARK(CrossDragStep)
    ->ArgName("projector")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void JotterMove(benchmark::State& state) {
    ShownScreen shown("jotter", state.range(0) != 0);
    const double scale = shown.window->view().scale;
    auto pointOf = [scale](long n) {  // a zigzag of short strokes over the board
        const long step = n % 120;
        const long x = (n / 120) % 2 == 0 ? 20 + 5 * step : 615 - 5 * step;
        return QPointF(static_cast<double>(x), 20.0 + ((n / 120) % 25) * 7 + (step % 2) * 3) *
               scale;
    };
    send(*shown.window, QEvent::MouseButtonPress, pointOf(0), Qt::LeftButton, Qt::LeftButton);
    long n = 0;
    for (; n < state.range(1); ++n) {
        send(*shown.window, QEvent::MouseMove, pointOf(n), Qt::NoButton, Qt::LeftButton);
        if (n % 16 == 0) QCoreApplication::processEvents();
    }
    const std::string name = std::string("jotter move after ") + std::to_string(state.range(1)) +
                             (state.range(0) ? " segments, projector" : " segments, design size");
    timed(state, name, [&] {
        send(*shown.window, QEvent::MouseMove, pointOf(++n), Qt::NoButton, Qt::LeftButton);
        if (n % 16 == 0) QCoreApplication::processEvents();
    });
}
BENCHMARK(JotterMove)
    ->ArgNames({"projector", "segments"})
    ->ArgsProduct({{0, 1}, {100, 100'000}})
    ->Iterations(4000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One display list, as each repaint after a change makes it, with the desktop's text measure:
// the model's share of the figures above.
void DisplayListBuild(benchmark::State& state) {
    const char* const screens[] = {"Titlefrm", "intro0", "hamilton", "surds", "reflections"};
    const char* name = screens[state.range(0)];
    ShownScreen shown(name, state.range(1) != 0);
    ui::qt::FontMeasure measure;
    const ui::PixelRect window{0, 0, static_cast<double>(shown.window->width()),
                               static_cast<double>(shown.window->height())};
    timed(state,
          std::string("display list, ") + name + (state.range(1) ? ", projector" : ", design size"),
          [&] { benchmark::DoNotOptimize(ui::displayList(*shown.screen, window, 1, measure)); });
}
BENCHMARK(DisplayListBuild)
    ->ArgNames({"screen", "projector"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Iterations(500)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    const std::string display =
        "offscreen:configfile=" QUILLON_SOURCE_DIR "/tests/qt/displays/1920x1080.json";
    return runOffscreen(
        argc, argv,
        [] {
            std::printf("\nMedians on a 1920 x 1080 display (projector:0 is the design size):\n");
            for (const auto& [name, us] : timings)
                std::printf("  %-45s %9.1f us\n", name.c_str(), median(us));
        },
        display.c_str());
}
