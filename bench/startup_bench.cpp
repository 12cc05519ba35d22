// Start-up of the program against a bare Qt program that opens one 800 x 600 window, both
// from process start to first paint, each run as its own process; and one load, show, paint
// and unload of the title screen in this process.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/registry.h"
#include "program/screens.h"
#include "program/start.h"
#include "qt/qt_platform.h"

extern char** environ;

namespace {

// Ends the process once the first paint of any window has been done.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

class BareWindow : public QWidget {
public:
    explicit BareWindow(bool withText) : withText_(withText) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(49, 135, 214));
        if (withText_) p.drawText(rect(), Qt::AlignCenter, "Quillon Volume IV");
    }

private:
    bool withText_;
};

int runChild(const char* which, int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    if (std::strncmp(which, "--child-bare", 12) == 0) {
        // With text, the window also pays for the system's font set-up, as every screen does.
        BareWindow window(std::strcmp(which, "--child-bare-text") == 0);
        window.resize(800, 600);
        window.show();
        return app.exec();
    }
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    startProgram(registry);
    return app.exec();
}

struct ChildRun {
    double seconds;
    long peakKiB;
};

ChildRun spawnChild(const char* mode) {
    char self[] = "/proc/self/exe";
    char* args[] = {self, const_cast<char*>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, self, nullptr, nullptr, args, environ) != 0) return {0, 0};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {took.count(), usage.ru_maxrss};
}

std::vector<ChildRun> titleRuns, bareRuns, bareTextRuns;

void startupTo(benchmark::State& state, const char* mode, std::vector<ChildRun>& runs) {
    for (auto _ : state) {
        const ChildRun run = spawnChild(mode);
        state.SetIterationTime(run.seconds);
        runs.push_back(run);
    }
    state.counters["peak_MiB"] = runs.empty() ? 0 : runs.back().peakKiB / 1024.0;
}

void BM_StartupToFirstPaint_BareQt(benchmark::State& s) { startupTo(s, "--child-bare", bareRuns); }
void BM_StartupToFirstPaint_BareQtWithText(benchmark::State& s) {
    startupTo(s, "--child-bare-text", bareTextRuns);
}
void BM_StartupToFirstPaint_Quillon(benchmark::State& s) {
    startupTo(s, "--child-title", titleRuns);
}
BENCHMARK(BM_StartupToFirstPaint_BareQt)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToFirstPaint_BareQtWithText)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToFirstPaint_Quillon)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

void BM_TitleLoadShowPaintUnload(benchmark::State& state) {
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    registerScreens(registry);
    for (auto _ : state) {
        registry.deliver([&] { registry.show("Titlefrm"); });
        platform.windowOf(registry.screen("Titlefrm"))->repaint();
        registry.deliver([&] { registry.unload("Titlefrm"); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_TitleLoadShowPaintUnload)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

template <class F>
double median(std::vector<ChildRun> runs, F field) {
    if (runs.empty()) return 0;
    std::vector<double> v;
    for (const ChildRun& r : runs) v.push_back(field(r));
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

}  // namespace

// The offscreen platform's notes about raise() would bury the figures.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int main(int argc, char** argv) {
    qInstallMessageHandler(quiet);
    // A real display when there is one (run under xvfb-run), else the offscreen platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0) return runChild(argv[1], argc, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto secs = [](const ChildRun& r) { return r.seconds; };
    auto kib = [](const ChildRun& r) { return static_cast<double>(r.peakKiB); };
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    if (!titleRuns.empty() && !bareRuns.empty()) {
        const double t = median(titleRuns, secs), b = median(bareRuns, secs);
        const double mt = median(titleRuns, kib), mb = median(bareRuns, kib);
        std::printf("start-up to first paint, median: quillon %.1f ms, bare Qt %.1f ms, ratio %.2f\n",
                    t * 1e3, b * 1e3, t / b);
        std::printf("peak memory, median: quillon %.1f MiB, bare Qt %.1f MiB, ratio %.2f\n",
                    mt / 1024, mb / 1024, mt / mb);
    }
    if (!titleRuns.empty() && !bareTextRuns.empty()) {
        const double t = median(titleRuns, secs), b = median(bareTextRuns, secs);
        std::printf("start-up to first paint, median: bare Qt drawing one line of text %.1f ms, "
                    "ratio %.2f\n", b * 1e3, t / b);
    }
    return 0;
}
