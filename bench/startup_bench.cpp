// Start-up of the program against the least Qt program that shows the title's content, both
// from process start to first paint, each run as its own process; and one load, show, paint
// and unload of the title screen in this process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/registry.h"
#include "program/screens.h"
#include "program/start.h"
#include "qt/qt_platform.h"

extern char** environ;

namespace {

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Notes when the window system first shows a window and when its first paint is done, tells
// the parent both on stdout, and ends the process.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && exposed_ == 0) exposed_ = monotonicSeconds();
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            QTimer::singleShot(0, [this] {
                std::printf("%.6f %.6f\n", exposed_, monotonicSeconds());
                std::fflush(stdout);
                std::_Exit(0);
            });
        return false;
    }

private:
    double exposed_ = 0;
};

// The least a Qt Widgets program does to show the title's content: its picture, four lines in
// the same fonts and two push buttons. The baseline the program's start-up is held to.
class BareTitle : public QWidget {
public:
    BareTitle() : picture_("opening/start000.jpg") {
        auto* ok = new QPushButton("OK", this);
        ok->setGeometry(88, 394, 89, 25);
        auto* exit = new QPushButton("Exit", this);
        exit->setGeometry(184, 394, 89, 25);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(192, 192, 192));
        p.drawImage(QRect(20, 98, 320, 240), picture_);
        p.setPen(QColor(0, 0, 255));
        QFont serif("Liberation Serif");
        serif.setPixelSize(35);
        serif.setBold(true);
        p.setFont(serif);
        p.drawText(QRect(4, 14, 357, 97), Qt::AlignHCenter, "Quillon Volume IV");
        serif.setPixelSize(21);
        serif.setBold(false);
        p.setFont(serif);
        p.drawText(QRect(32, 350, 297, 57), Qt::AlignHCenter, "Activities by the Velmora team");
        QFont sans("Liberation Sans");
        sans.setPixelSize(11);
        p.setFont(sans);
        p.drawText(QRect(0, 428, 361, 17), Qt::AlignHCenter, "\u00a9 2026 Velmora");
    }

private:
    QImage picture_;
};

int runChild(const char* which, int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    if (std::strcmp(which, "--child-bare-title") == 0) {
        BareTitle window;
        window.setWindowTitle(" ");
        window.resize(364, 438);
        window.show();
        return app.exec();
    }
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    startProgram(registry);
    return app.exec();
}

struct ChildRun {
    double seconds;       // to the first paint done
    double shownSeconds;  // to the window shown by the window system
    long peakKiB;
};

ChildRun spawnChild(const char* mode) {
    char self[] = "/proc/self/exe";
    char* args[] = {self, const_cast<char*>(mode), nullptr};
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const double start = monotonicSeconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    double exposed = 0, painted = 0;
    if (FILE* told = fdopen(out[0], "r")) {
        if (std::fscanf(told, "%lf %lf", &exposed, &painted) != 2) exposed = painted = start;
        std::fclose(told);
    }
    if (spawned != 0) return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {painted - start, exposed - start, usage.ru_maxrss};
}

std::vector<ChildRun> titleRuns, bareRuns;

// The two start in turn, so that a busy spell of the machine falls on both alike.
void BM_StartupToFirstPaint_InTurnWithBareTitle(benchmark::State& state) {
    for (auto _ : state) {
        bareRuns.push_back(spawnChild("--child-bare-title"));
        titleRuns.push_back(spawnChild("--child-title"));
        state.SetIterationTime(titleRuns.back().seconds);
    }
}
BENCHMARK(BM_StartupToFirstPaint_InTurnWithBareTitle)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_TitleLoadShowPaintUnload)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

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
    // Both find their pictures in the source folder, as a teacher's copy finds them beside it.
    const bool child = argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0;
    if (!child && chdir(QUILLON_SOURCE_DIR) != 0) std::perror(QUILLON_SOURCE_DIR);
    // A real display when there is one (run under xvfb-run), else the offscreen platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (child) return runChild(argv[1], argc, argv);
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
        std::printf(
            "start-up to first paint, median of %zu in turn: quillon %.1f ms, bare title "
            "%.1f ms, ratio %.2f\n",
            titleRuns.size(), t * 1e3, b * 1e3, t / b);
        auto shown = [](const ChildRun& r) { return r.shownSeconds; };
        const double ts = median(titleRuns, shown), bs = median(bareRuns, shown);
        std::printf(
            "start-up to the window shown, median: quillon %.1f ms, bare title %.1f ms, "
            "ratio %.2f\n",
            ts * 1e3, bs * 1e3, ts / bs);
        std::printf("peak memory, median: quillon %.1f MiB, bare title %.1f MiB, ratio %.2f\n",
                    mt / 1024, mb / 1024, mt / mb);
    }
    return 0;
}
