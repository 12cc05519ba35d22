// What one display list costs, per screen, at the design size and in projector mode: the model's
// share of every repaint after a change, with the desktop's text measure.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_support.h"
#include "qt/fonts.h"
#include "ui/display_list.h"

namespace {

std::map<std::string, std::vector<double>> timings;  // microseconds, by screen and view

const char* const screens[] = {"Titlefrm", "intro0", "hamilton", "surds", "reflections"};

void Build(benchmark::State& state) {
    const char* name = screens[state.range(0)];
    ShownScreen shown(name, state.range(1) != 0);
    ui::qt::FontMeasure measure;
    const ui::PixelRect window{0, 0, static_cast<double>(shown.window->width()),
                               static_cast<double>(shown.window->height())};
    std::vector<double>& into =
        timings[std::string(name) + (state.range(1) ? ", projector" : ", design size")];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ui::displayList(*shown.screen, window, 1, measure));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        into.push_back(took.count() * 1e6);
    }
}
BENCHMARK(Build)
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
            std::printf("\nOne display list, median of 500 after the first (1920 x 1080):\n");
            for (const auto& [name, us] : timings)
                std::printf("  %-30s %7.1f us, %zu builds\n", name.c_str(), median(us), us.size());
        },
        display.c_str());
}
