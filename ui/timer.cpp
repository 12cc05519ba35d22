#include "ui/timer.h"

#include "ui/platform.h"

namespace ui {

Timer::Timer(Platform& platform, std::string name, int intervalMs, bool enabled)
    : platform_(platform), name_(std::move(name)), intervalMs_(intervalMs), enabled_(enabled),
      source_(platform.makeTimer([this] { tick(); })) {
    apply();
}

void Timer::setInterval(int ms) {
    intervalMs_ = ms;
    apply();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    apply();
}

void Timer::restart() {
    enabled_ = true;
    source_->stop();
    apply();
}

void Timer::retire() {
    retired_ = true;
    source_->stop();
}

void Timer::apply() {
    if (enabled_ && intervalMs_ > 0 && !retired_)
        source_->start(intervalMs_);
    else
        source_->stop();
}

void Timer::tick() {
    platform_.deliver([this] {
        if (enabled_ && !retired_ && onTimer) onTimer();
    });
}

}  // namespace ui
