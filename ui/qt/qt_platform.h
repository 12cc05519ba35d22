#pragma once
#include <QPointer>
#include <QSize>
#include <map>

#include "ui/platform.h"
#include "ui/qt/screen_window.h"

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
    // What the window system says a frame adds to the client area, in pixels.
    void noteFrameMargins(QSize margins);

private:
    std::map<const Screen*, QPointer<ScreenWindow>> windows_;
    Size margins_{120, 510};
    bool busy_ = false;
};

}  // namespace ui::qt
