#include <QApplication>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "model_driver.h"
#include "monkey.h"
#include "qt_driver.h"

namespace {

struct Options {
    std::uint64_t seed = 0;
    bool seeded = false;
    std::uint64_t events = 10000;
    bool qt = false;
    bool everyScreen = false;  // a screen never shown is a fault
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool valued = (arg == "--seed" || arg == "--events") && i + 1 < argc;
        try {
            if (arg == "--qt") {
                o.qt = true;
            } else if (arg == "--every-screen") {
                o.everyScreen = true;
            } else if (valued && arg == "--seed") {
                o.seed = std::stoull(argv[++i]);
                o.seeded = true;
            } else if (valued) {
                o.events = std::stoull(argv[++i]);
            } else {
                return false;
            }
        } catch (const std::exception&) {
            return false;
        }
    }
    return true;
}

// The offscreen platform and the test library warn about what a monkey does on purpose:
// raising windows, pointers that leave the window. Graver messages still go through.
void quietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << std::endl;
}

std::string replay(const Options& o, std::uint64_t events) {
    return "quillon_monkey --seed " + std::to_string(o.seed) + " --events " +
           std::to_string(events) + (o.qt ? " --qt" : "") +
           (o.everyScreen ? " --every-screen" : "");
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::cerr << "usage: quillon_monkey [--seed S] [--events N] [--qt] [--every-screen]\n";
        return 2;
    }
    if (!o.seeded)
        o.seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::cout << "monkey: seed " << o.seed << (o.qt ? ", on Qt offscreen" : ", on the model")
              << std::endl;

    std::unique_ptr<QApplication> app;
    if (o.qt) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(quietWarnings);
    }
    std::unique_ptr<Driver> driver;
    if (o.qt)
        driver = std::make_unique<QtDriver>();
    else
        driver = std::make_unique<ModelDriver>();

    Monkey monkey(*driver, o.seed);
    const auto start = std::chrono::steady_clock::now();
    monkey.run(o.events);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::string unseen;
    for (const std::string& name : reachableScreens(driver->registry()))
        if (!monkey.screensShown().contains(name)) unseen += " " + name;

    if (!monkey.fault().empty()) {
        std::cout << "monkey: fault at event " << monkey.eventsRun() << ", seed " << o.seed << ": "
                  << monkey.fault() << "\n"
                  << "monkey: the event: " << monkey.faultEvent() << "\n"
                  << "monkey: replay: " << replay(o, monkey.eventsRun()) << std::endl;
        return 1;
    }
    std::cout << "monkey: screens shown:";
    for (const std::string& name : monkey.screensShown()) std::cout << ' ' << name;
    if (!unseen.empty()) {
        std::cout << "\nmonkey: never shown:" << unseen << std::endl;
        if (o.everyScreen) return 1;
    }
    const auto rate =
        static_cast<long long>(static_cast<double>(o.events) / std::max(took.count(), 1e-9));
    std::cout << "\nmonkey: " << o.events << " events, seed " << o.seed << ", 0 faults, " << rate
              << " events/s" << std::endl;
    return 0;
}
