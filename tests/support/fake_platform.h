#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/platform.h"
#include "ui/screen.h"

// A platform for model tests: a display of chosen size, a clock the test moves, pictures
// that exist when their file does, and a record of what the screens asked for.
class FakePlatform : public ui::Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    ui::Size displaySize() const override { return display; }
    ui::Size frameMargins() const override { return margins; }
    std::vector<std::filesystem::path> pictureFolders() const override { return folders; }
    ui::Picture decodePicture(const std::filesystem::path& file) override;
    std::uint64_t clockTicks() override { return now; }
    std::unique_ptr<ui::TimerSource> makeTimer(std::function<void()> tick) override;
    bool openUrl(const std::string& address) override;
    void end() override { ended = true; }
    void showWindow(ui::Screen& screen) override;
    void destroyWindow(ui::Screen& screen) override;
    void refresh() override { ++refreshes; }
    void announce(ui::Screen& screen, const std::string& text) override {
        announced.push_back(screen.name() + ": " + text);
    }

    // Moves the clock on, firing every timer that falls due, in time order.
    void advance(std::uint64_t ms);
    // Timers handed out and not stopped.
    std::size_t runningTimers() const;
    // Names of the screens with a window, shown or hidden.
    bool hasWindow(const std::string& name) const { return windows.contains(name); }

    ui::Size display{15360, 11520};  // 1024 x 768 pixels
    ui::Size margins{120, 510};
    std::vector<std::filesystem::path> folders;
    std::uint64_t now = 1000;
    bool ended = false;
    bool openSucceeds = true;
    std::vector<std::string> openedUrls;
    std::set<std::string> windows;
    int refreshes = 0;
    std::vector<std::string> announced;  // "screen: text"
    int livePictures = 0;                // decoded and still held by a screen or control

    struct Scheduled;
    std::vector<Scheduled*> timers;
};

// Where the program's own pictures are.
std::filesystem::path projectFolder();
