#pragma once
#include <QPointer>
#include <QWindow>
#include <memory>

#include "app/registry.h"
#include "driver.h"
#include "qt/qt_platform.h"
#include "support/fake_platform.h"

// Real Qt windows on the offscreen platform, fed real Qt input. Timers run on the test clock
// and the web link opens nothing, so the run is repeatable and quiet.
class QtDriver : public Driver {
public:
    QtDriver();
    ~QtDriver() override;

    Registry& registry() override { return *registry_; }
    void pointer(const std::string& screen, PointerAction action, int button, int x,
                 int y) override;
    void close(const std::string& screen) override;
    void key(const std::string& screen, Key k) override;
    void advance(int ms) override;
    std::string windowFault() override;
    void restart() override;

private:
    class Platform : public ui::qt::QtPlatform {
    public:
        std::uint64_t clockTicks() override { return clock.now; }
        std::unique_ptr<ui::TimerSource> makeTimer(std::function<void()> tick) override {
            return clock.makeTimer(std::move(tick));
        }
        bool openUrl(const std::string&) override { return true; }
        FakePlatform clock;
    };

    ui::qt::ScreenWindow* windowOf(const std::string& screen) const;

    std::unique_ptr<Platform> platform_;
    std::unique_ptr<Registry> registry_;
    // The window a press went to: it takes every move and the release until then.
    QPointer<QWindow> pressed_;
    QPointer<ui::qt::ScreenWindow> pressedWindow_;
};
