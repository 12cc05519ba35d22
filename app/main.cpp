#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/registry.h"
#include "app/screens.h"
#include "ui/qt/convert.h"
#include "ui/qt/qt_platform.h"

namespace {

constexpr const char* noDisplay =
    "quillon: no display to open a window on (is DISPLAY set? try xvfb-run quillon)";

// The toolkit aborts when it finds no display; say so plainly and leave with status 1.
void onToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << noDisplay << '\n';
        std::_Exit(1);
    }
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::cerr << message.toLocal8Bit().constData() << '\n';
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
    qInstallMessageHandler(onToolkitMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    ui::qt::registerFonts();
    ui::qt::QtPlatform platform;
    Registry registry(platform);
    registerScreens(registry);
    registry.deliver([&] { registry.show("Titlefrm"); });
    return app.exec();
}
