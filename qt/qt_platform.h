#pragma once
#include <QObject>
#include <QSize>
#include <map>
#include <memory>

#include "qt/screen_window.h"
#include "ui/platform.h"

namespace ui::qt {

// The machine's services on Qt: one top-level window per shown screen, QTimer, QImageReader,
// QDesktopServices. Needs a QApplication.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Size displaySize() const override;
    Size frameMargins() const override;
    std::vector<std::filesystem::path> pictureFolders() const override;
    Picture decodePicture(const std::filesystem::path& file) override;
    std::uint64_t clockTicks() override;
    std::unique_ptr<TimerSource> makeTimer(std::function<void()> tick) override;
    bool openUrl(const std::string& address) override;
    void end() override;
    void showWindow(Screen& screen) override;
    void destroyWindow(Screen& screen) override;
    void refresh() override;
    void announce(Screen& screen, const std::string& text) override;

    ScreenWindow* windowOf(const Screen& screen) const;
    // What the window system says a frame adds to the client area, in pixels, and where the
    // client area starts within it.
    void noteFrame(QRect frame, QRect client);
    QPoint clientOffset() const { return clientOffset_; }

private:
    std::map<const Screen*, std::unique_ptr<ScreenWindow>> windows_;
    Size margins_{120, 510};
    QPoint clientOffset_;
};

}  // namespace ui::qt
