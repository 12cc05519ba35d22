#include "support/fake_platform.h"

#include <algorithm>
#include <fstream>

#ifndef QUILLON_SOURCE_DIR
#define QUILLON_SOURCE_DIR "."
#endif

struct FakePlatform::Scheduled : ui::TimerSource {
    Scheduled(FakePlatform& p, std::function<void()> t) : platform(p), tick(std::move(t)) {
        platform.timers.push_back(this);
    }
    ~Scheduled() override { std::erase(platform.timers, this); }
    void start(int ms) override {
        if (!running || interval != ms) due = platform.now + static_cast<std::uint64_t>(ms);
        interval = ms;
        running = true;
    }
    void stop() override { running = false; }

    FakePlatform& platform;
    std::function<void()> tick;
    bool running = false;
    int interval = 0;
    std::uint64_t due = 0;
};

FakePlatform::FakePlatform() : folders{projectFolder()} {}
FakePlatform::~FakePlatform() = default;

std::filesystem::path projectFolder() { return QUILLON_SOURCE_DIR; }

namespace {
// Counts itself while alive, so a test sees a picture that outlives every screen showing it.
struct FakePicture : ui::PictureData {
    explicit FakePicture(int& live) : PictureData(1, 1), live_(live) { ++live_; }
    ~FakePicture() override { --live_; }
    FakePicture(const FakePicture&) = delete;
    FakePicture& operator=(const FakePicture&) = delete;

private:
    int& live_;
};
}  // namespace

ui::Picture FakePlatform::decodePicture(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char start[2] = {};
    if (!in.read(start, 2) || static_cast<unsigned char>(start[0]) != 0xFF ||
        static_cast<unsigned char>(start[1]) != 0xD8)
        return nullptr;
    return std::make_shared<FakePicture>(livePictures);
}

std::unique_ptr<ui::TimerSource> FakePlatform::makeTimer(std::function<void()> tick) {
    return std::make_unique<Scheduled>(*this, std::move(tick));
}

bool FakePlatform::openUrl(const std::string& address) {
    openedUrls.push_back(address);
    return openSucceeds;
}

void FakePlatform::showWindow(ui::Screen& screen) { windows.insert(screen.name()); }
void FakePlatform::destroyWindow(ui::Screen& screen) { windows.erase(screen.name()); }
std::size_t FakePlatform::runningTimers() const {
    return static_cast<std::size_t>(
        std::count_if(timers.begin(), timers.end(), [](const Scheduled* t) { return t->running; }));
}

void FakePlatform::advance(std::uint64_t ms) {
    const std::uint64_t until = now + ms;
    for (;;) {
        Scheduled* next = nullptr;
        for (Scheduled* t : timers)
            if (t->running && t->due <= until && (!next || t->due < next->due)) next = t;
        if (!next) break;
        now = next->due;
        next->due += static_cast<std::uint64_t>(next->interval);
        next->tick();  // may destroy any timer, this one included
    }
    now = until;
}
