// A school day on the desktop, on Qt's offscreen platform: 1,000 round trips into each activity
// and out again, and as many rounds of every kind in turn, with a screen reader walking every
// window after each click, and what stays: resident memory, live QObjects, widgets and
// accessibility interfaces. Beside them, in the same run, the menu alone read as often, which
// leaves nothing. With the desktop's own screen reader bridge on instead of offscreen:
//   xvfb-run -a dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
//     sleep 1; QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/bench/qt_soak_bench'
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/registry.h"
#include "program/screens.h"
#include "qt/qt_platform.h"
#include "qt/support/qt_census.h"
#include "qt/support/qt_hands.h"
#include "support/trips.h"

namespace {

// Qt fills its caches of glyphs and window buffers over the first trips.
constexpr int warmUpTrips = 20;
constexpr int soakTrips = 1000;

// Resident memory, in KiB.
long residentKiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Soak {
    std::string name;
    long residentBefore = 0;
    long residentAfter = 0;
    QtCensus before;
    QtCensus after;
    int trips = 0;
};
std::vector<Soak> soaks;

// Iterations of work, each of `tripsEach` trips.
template <class Work>
void measure(benchmark::State& state, std::string name, Work work, int tripsEach = 1) {
    Soak soak{std::move(name)};
    soak.residentBefore = residentKiB();
    soak.before = qtCensus();
    for (auto _ : state) {
        work();
        soak.trips += tripsEach;
    }
    settle();
    soak.residentAfter = residentKiB();
    soak.after = qtCensus();
    state.counters["resident_KiB_per_trip"] =
        static_cast<double>(soak.residentAfter - soak.residentBefore) / soak.trips;
    state.counters["objects_per_trip"] =
        static_cast<double>(soak.after.objects - soak.before.objects) / soak.trips;
    state.counters["accessibles_per_trip"] =
        static_cast<double>(soak.after.accessibles - soak.before.accessibles) / soak.trips;
    soaks.push_back(std::move(soak));
}

// The program shown at a menu, with a pupil there who has a screen reader on: after each click,
// every window is read.
struct AtMenu {
    explicit AtMenu(const char* menu) {
        settle();
        registerScreens(registry);
        registry.deliver([&] { registry.show(menu); });
        hands.afterEachStep = [] { readAloud(); };
        settle();
    }
    ui::qt::QtPlatform platform;
    Registry registry{platform};
    QtHands hands{platform, registry};
};

// Every kind of trip taken before any is measured: the process's allocator has then grown for
// the largest window of each (a step once, not a slope) before a row counts.
void warmUpEveryRound() {
    for (const Round& round : rounds) {
        AtMenu at(round.menu());
        for (int i = 0; i < warmUpTrips; ++i) takeRound(at.hands, round);
    }
    settle();
}

void Soaked(benchmark::State& state, const Round* round) {
    AtMenu at(round ? round->menu() : "menu1");
    QtHands& hands = at.hands;
    if (!round) {
        for (int i = 0; i < warmUpTrips; ++i) readAloud();
        return measure(state, "the menu read alone", [] { readAloud(); });
    }
    for (int i = 0; i < warmUpTrips; ++i) takeRound(hands, *round);
    measure(
        state, round->name, [&] { takeRound(hands, *round); },
        static_cast<int>(round->trips.size()));
}

}  // namespace

// The offscreen platform's notes about raise() would bury the figures.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int main(int argc, char** argv) {
    qInstallMessageHandler(quiet);
    if (chdir(QUILLON_SOURCE_DIR) != 0) std::perror(QUILLON_SOURCE_DIR);
    // Offscreen unless a platform is named (xcb under xvfb-run, with a screen reader's bus).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Counting from before the first object, the count is every QObject alive.
    ObjectCounter objects;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    warmUpEveryRound();
    benchmark::RegisterBenchmark("Soak/MenuAlone", Soaked, nullptr)->Iterations(soakTrips);
    for (const Round& round : rounds)
        benchmark::RegisterBenchmark(("Soak/" + std::string(round.name)).c_str(), Soaked, &round)
            ->Iterations(soakTrips / static_cast<int>(round.trips.size()))
            ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf(
        "\nOver %d trips a row after %d warm-up rounds, a screen reader reading every window (%s, "
        "its "
        "bridge %s):\n",
        soakTrips, warmUpTrips, qPrintable(QGuiApplication::platformName()),
        QAccessible::isActive() ? "on" : "off");
    for (const Soak& s : soaks)
        std::printf(
            "  %-20s resident %5.1f -> %5.1f MiB (%+.3f KiB a trip), QObjects %lld -> %lld, "
            "widgets %d -> %d, accessibility interfaces %d -> %d\n",
            s.name.c_str(), s.residentBefore / 1024.0, s.residentAfter / 1024.0,
            static_cast<double>(s.residentAfter - s.residentBefore) / s.trips, s.before.objects,
            s.after.objects, s.before.widgets, s.after.widgets, s.before.accessibles,
            s.after.accessibles);
    return 0;
}
