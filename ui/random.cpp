#include "ui/random.h"

#include "ui/platform.h"

namespace ui {

void Random::reseedFromClock() { seed(platform_.clockTicks()); }

double Random::fraction() {
    // splitmix64: well mixed even from neighbouring clock seeds.
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

int Random::integer(int a, int b) { return a + static_cast<int>(fraction() * (b - a + 1)); }

}  // namespace ui
