#pragma once
#include <cstdint>

namespace ui {

class Platform;

// The program's one source of chance: a uniform fraction in [0, 1), reseeded from the clock
// where an activity asks for it.
class Random {
public:
    explicit Random(Platform& platform) : platform_(platform) {}
    void reseedFromClock();
    void seed(std::uint64_t s) { state_ = s; }
    double fraction();
    // a + the integer part of (fraction * (b - a + 1)).
    int integer(int a, int b);

private:
    Platform& platform_;
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace ui
