#include "qt/qt_platform.h"

#include <chrono>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "qt/accessibility.h"
#include "qt/convert.h"
#include "qt/qt_picture.h"
#include "ui/jpeg_size.h"

namespace ui::qt {

namespace {

class QtTimerSource : public TimerSource {
public:
    explicit QtTimerSource(std::function<void()> tick) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(tick));
    }
    void start(int intervalMs) override {
        if (!timer_.isActive() || timer_.interval() != intervalMs) timer_.start(intervalMs);
    }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

}  // namespace

QtPlatform::QtPlatform() { installAccessibility(); }

QtPlatform::~QtPlatform() = default;

Size QtPlatform::displaySize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {12000, 9000};
    const QSize px = screen->geometry().size();
    return {toTwips(px.width()), toTwips(px.height())};
}

Size QtPlatform::frameMargins() const { return margins_; }

void QtPlatform::noteFrame(QRect frame, QRect client) {
    const QSize margins = frame.size() - client.size();
    if (margins.width() > 0 || margins.height() > 0) {
        margins_ = {toTwips(margins.width()), toTwips(margins.height())};
        clientOffset_ = client.topLeft() - frame.topLeft();
    }
}

// An installed or unpacked program keeps its pictures in ../share/quillon beside bin/.
std::vector<std::filesystem::path> QtPlatform::pictureFolders() const {
    const std::filesystem::path own = QCoreApplication::applicationDirPath().toStdString();
    return {QDir::currentPath().toStdString(), own, own.parent_path() / "share" / "quillon"};
}

Picture QtPlatform::decodePicture(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly) || in.size() > 64 * 1024 * 1024) return nullptr;
    const QByteArray data = in.readAll();
    // The model reads the header: only a whole JPEG of a sane size reaches the decoder.
    if (!jpegSize(std::string_view(data.constData(), static_cast<std::size_t>(data.size()))))
        return nullptr;
    const QImage image = QImage::fromData(data, "jpeg");
    if (image.isNull()) return nullptr;
    return std::make_shared<QtPicture>(image.convertToFormat(QImage::Format_RGB32));
}

std::uint64_t QtPlatform::clockTicks() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::unique_ptr<TimerSource> QtPlatform::makeTimer(std::function<void()> tick) {
    return std::make_unique<QtTimerSource>(std::move(tick));
}

bool QtPlatform::openUrl(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void QtPlatform::end() { QCoreApplication::exit(0); }

ScreenWindow* QtPlatform::windowOf(const Screen& screen) const {
    auto it = windows_.find(&screen);
    return it == windows_.end() ? nullptr : it->second.get();
}

void QtPlatform::showWindow(Screen& screen) {
    ScreenWindow* window = windowOf(screen);
    const bool fresh = !window;
    if (fresh)
        window = windows_.emplace(&screen, std::make_unique<ScreenWindow>(*this, screen))
                     .first->second.get();
    window->sync();
    window->show();
    window->raise();
    window->activateWindow();
    // What the screen said as it loaded, before it had a window: its first question.
    if (fresh) window->announce();
}

void QtPlatform::destroyWindow(Screen& screen) {
    auto it = windows_.find(&screen);
    if (it == windows_.end()) return;
    std::unique_ptr<ScreenWindow> window = std::move(it->second);
    windows_.erase(it);
    window->detach();
    window->hide();
    // The window may be the one whose event is being handled: Qt's event loop deletes it.
    window.release()->deleteLater();
}

void QtPlatform::announce(Screen& screen, const std::string&) {
    if (ScreenWindow* w = windowOf(screen)) w->announce();
}

void QtPlatform::refresh() {
    for (auto& [screen, window] : windows_) window->sync();
}

}  // namespace ui::qt
