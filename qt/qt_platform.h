#pragma once
#include <QPointer>
#include <QSize>
#include <map>

#include "ui/platform.h"
#include "qt/screen_window.h"

namespace ui::qt {

// The machine's services on Qt: one top-level window per shown screen, QTimer, QImageReader,
// QDesktopServices. Needs a QApplication.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Size displaySize() const override;
    Size frameMargins() const override;
    void setBusyPointer(bool busy) override;
    std::vector<std::filesystem::path> pictureFolders() const override;
    Picture decodePicture(const std::filesystem::path& file) override;
    std::uint64_t clockTicks() override;
    std::unique_ptr<TimerSource> makeTimer(std::function<void()> tick) override;
    bool openUrl(const std::string& address) override;
    void end() override;
    void showWindow(Screen& screen) override;
    void destroyWindow(Screen& screen) override;
    void makeTopmost(Screen& screen) override;
    void refresh() override;

    ScreenWindow* windowOf(const Screen& screen) const;
    // What the window system says a frame adds to the client area, in pixels, and where the
    // client area starts within it.
    void noteFrame(QRect frame, QRect client);
    QPoint clientOffset() const { return clientOffset_; }

    // Projector mode: every screen fills the display, until it is left.
    bool projector() const { return projector_; }
    void setProjector(bool on);

private:
    std::map<const Screen*, QPointer<ScreenWindow>> windows_;
    Size margins_{120, 510};
    QPoint clientOffset_;
    bool busy_ = false;
    bool projector_ = false;
};

}  // namespace ui::qt
