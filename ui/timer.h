#pragma once
#include <functional>
#include <memory>
#include <string>

namespace ui {

class Platform;

// What the platform gives a timer: something that calls back every interval until stopped.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

// A timer control. Its source dies with it, so a timer of an unloaded screen never fires.
class Timer {
public:
    Timer(Platform& platform, std::string name, int intervalMs, bool enabled);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return intervalMs_; }
    bool enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool on);
    // Enabled, with the whole interval to run from now, even if it was running already.
    void restart();
    // Silences the timer for good: the screen is on its way out.
    void retire();

    std::function<void()> onTimer;

private:
    void tick();
    void apply();

    Platform& platform_;
    std::string name_;
    int intervalMs_;
    bool enabled_;
    bool retired_ = false;
    std::unique_ptr<TimerSource> source_;
};

}  // namespace ui
