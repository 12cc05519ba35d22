#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/registry.h"
#include "program/display_choice.h"
#include "program/start.h"
#include "qt/qt_platform.h"

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

}  // namespace

int main(int argc, char** argv) {
    const DisplayEnvironment env{std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                 std::getenv("WAYLAND_DISPLAY")};
    if (!hasDisplay(env)) {
        std::cerr << noDisplay << '\n';
        return 1;
    }
    if (const std::string platform = chosenQtPlatform(env); !platform.empty())
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    qInstallMessageHandler(onStartingToolkit);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    // A lesson link: the activity named on the command line opens over its menu.
    startProgram(registry, argc > 1 ? argv[1] : "");
    return app.exec();
}
