#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/registry.h"
#include "program/start.h"
#include "ui/qt/convert.h"
#include "ui/qt/qt_platform.h"

namespace {

constexpr const char* noDisplay =
    "quillon: no display to open a window on (is DISPLAY set? try xvfb-run quillon)";

// While the toolkit starts it aborts when it finds no display: say so plainly, in one line,
// and leave with status 1. Its warnings on the way there would only repeat it.
void onStartingToolkit(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        std::cerr << noDisplay << '\n';
        std::_Exit(1);
    }
}

bool displayNamed() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string_view(platform) != "xcb") return true;
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayNamed()) {
        std::cerr << noDisplay << '\n';
        return 1;
    }
    qInstallMessageHandler(onStartingToolkit);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    startProgram(registry);
    return app.exec();
}
