// A school day on the model alone: 10,000 round trips into each activity and out again, and as
// many rounds of every kind in turn, with
// the heap counted by this program's own operator new and delete. What a trip leaves behind is
// the live heap's growth over the trips after warm-up; beside it, in the same run, a loop known
// to leave nothing shows what the meter reads for none.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/registry.h"
#include "program/screens.h"
#include "support/fake_platform.h"
#include "support/model_hands.h"
#include "support/trips.h"

namespace {

std::atomic<long long> liveBytes{0};
std::atomic<long long> allocations{0};

void* counted(void* p) {
    if (!p) throw std::bad_alloc();
    liveBytes += static_cast<long long>(malloc_usable_size(p));
    ++allocations;
    return p;
}

void uncounted(void* p) {
    if (p) liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

// Every other form of new and delete in the library comes down to these.
void* operator new(std::size_t n) { return counted(std::malloc(n ? n : 1)); }
void* operator new(std::size_t n, std::align_val_t a) {
    const auto align = static_cast<std::size_t>(a);
    return counted(std::aligned_alloc(align, (n + align - 1) / align * align));
}
void operator delete(void* p) noexcept { uncounted(p); }
void operator delete(void* p, std::size_t) noexcept { uncounted(p); }
void operator delete(void* p, std::align_val_t) noexcept { uncounted(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { uncounted(p); }

namespace {

constexpr int warmUpTrips = 3;
constexpr int soakTrips = 10'000;

// The model's platform, saying nothing to a screen reader: the fake one keeps every
// announcement for its tests, which would grow with the trips.
struct QuietPlatform : FakePlatform {
    void announce(ui::Screen&, const std::string&) override {}
};

struct Soak {
    std::string name;
    long long liveBefore = 0;
    long long liveAfter = 0;
    long long allocations = 0;
    int trips = 0;
};
std::vector<Soak> soaks;

// Iterations of work, each of `tripsEach` trips: growth of the live heap and allocations made.
template <class Work>
void measure(benchmark::State& state, std::string name, Work work, int tripsEach = 1) {
    Soak soak{std::move(name)};
    soak.liveBefore = liveBytes;
    const long long allocationsBefore = allocations;
    for (auto _ : state) {
        work();
        soak.trips += tripsEach;
    }
    soak.liveAfter = liveBytes;
    soak.allocations = allocations - allocationsBefore;
    state.counters["bytes_per_trip"] =
        static_cast<double>(soak.liveAfter - soak.liveBefore) / soak.trips;
    state.counters["allocations_per_trip"] = static_cast<double>(soak.allocations) / soak.trips;
    soaks.push_back(std::move(soak));
}

// What the meter reads for a loop that gives back all it takes: two blocks a trip, no growth.
void NothingLeftBehind(benchmark::State& state) {
    measure(state, "a string made and freed", [] {
        auto block = std::make_unique<std::string>(100, 'x');
        benchmark::DoNotOptimize(block);
    });
}
BENCHMARK(NothingLeftBehind)->Iterations(soakTrips);

void RoundTrips(benchmark::State& state, const Round& round) {
    QuietPlatform platform;
    Registry registry(platform);
    registerScreens(registry);
    registry.deliver([&] { registry.show(round.menu()); });
    ModelHands hands(registry);
    for (int i = 0; i < warmUpTrips; ++i) takeRound(hands, round);
    measure(
        state, round.name, [&] { takeRound(hands, round); }, static_cast<int>(round.trips.size()));
}

}  // namespace

int main(int argc, char** argv) {
    for (const Round& round : rounds)
        benchmark::RegisterBenchmark(("RoundTrips/" + std::string(round.name)).c_str(), RoundTrips,
                                     round)
            ->Iterations(soakTrips / static_cast<int>(round.trips.size()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf(
        "\nThe live heap over %d trips a row after %d warm-up rounds, by the program's operator "
        "new:\n",
        soakTrips, warmUpTrips);
    for (const Soak& s : soaks)
        std::printf(
            "  %-24s %9lld bytes before, %9lld after: %+.3f bytes a trip, %.0f allocations "
            "a trip\n",
            s.name.c_str(), s.liveBefore, s.liveAfter,
            static_cast<double>(s.liveAfter - s.liveBefore) / s.trips,
            static_cast<double>(s.allocations) / s.trips);
    return 0;
}
