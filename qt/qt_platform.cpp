#include "qt/qt_platform.h"

#include <chrono>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "qt/accessibility.h"
#include "qt/convert.h"
#include "qt/qt_picture.h"

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

// A whole JPEG: its start marker, and its end marker among the last bytes.
bool isCompleteJpeg(const QByteArray& data) {
    if (data.size() < 4 || static_cast<unsigned char>(data[0]) != 0xFF ||
        static_cast<unsigned char>(data[1]) != 0xD8)
        return false;
    const qsizetype tail = std::max<qsizetype>(0, data.size() - 32);
    return data.lastIndexOf(QByteArray("\xFF\xD9", 2)) >= tail;
}

constexpr int largestPictureSide = 8192;

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
    if (!isCompleteJpeg(data)) return nullptr;
    QImageReader reader(QString::fromStdString(file.string()), "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > largestPictureSide || size.height() > largestPictureSide)
        return nullptr;
    QImage image = reader.read();
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
