// Round trips into the activities and out again leave nothing behind on the model: every screen,
// control, timer, drawing and picture they made is gone once the menu shows again.
#include <algorithm>
#include <ostream>

#include "support/app_fixture.h"
#include "support/model_hands.h"
#include "support/trips.h"

namespace {

// What is alive, counted on both sides: the model's screens, and what the platform handed out.
struct Census {
    std::size_t screens = 0;
    std::size_t controls = 0;
    std::size_t timers = 0;
    std::size_t drawnSurfaces = 0;
    std::size_t strokes = 0;
    std::size_t windows = 0;
    std::size_t timerSources = 0;
    std::size_t runningSources = 0;
    int pictures = 0;
    bool operator==(const Census&) const = default;
};

void PrintTo(const Census& c, std::ostream* os) {
    *os << c.screens << " screens, " << c.controls << " controls, " << c.timers << " timers, "
        << c.drawnSurfaces << " surfaces drawn on with " << c.strokes << " strokes, " << c.windows
        << " windows, " << c.timerSources << " timer sources (" << c.runningSources << " running), "
        << c.pictures << " pictures";
}

Census censusOf(const Registry& registry, const FakePlatform& platform) {
    Census c;
    for (const ui::Screen* s : registry.loadedScreens()) {
        ++c.screens;
        c.controls += s->controls().size();
        c.timers += s->timers().size();
        c.drawnSurfaces += s->surface().untouched() ? 0 : 1;
        c.strokes += s->surface().strokes().size();
    }
    c.windows = platform.windows.size();
    c.timerSources = platform.timers.size();
    c.runningSources = platform.runningTimers();
    c.pictures = platform.livePictures;
    return c;
}

// Model hands that take a census after every step, keeping the most screens, controls and
// strokes seen, so a test knows the trip built what it then took down.
class CountingHands : public ModelHands {
public:
    CountingHands(Registry& registry, FakePlatform& platform)
        : ModelHands(registry), registry_(registry), platform_(platform) {}
    void click(const std::string& screen, const std::string& control, int index = -1) {
        ModelHands::click(screen, control, index);
        note();
    }
    void drag(const std::string& screen, std::span<const TwipPoint> path) {
        ModelHands::drag(screen, path);
        note();
    }
    Census peak;

private:
    void note() {
        const Census now = censusOf(registry_, platform_);
        peak.screens = std::max(peak.screens, now.screens);
        peak.controls = std::max(peak.controls, now.controls);
        peak.strokes = std::max(peak.strokes, now.strokes);
    }
    Registry& registry_;
    FakePlatform& platform_;
};

constexpr int warmUpTrips = 3;
constexpr int countedTrips = 20;

class RoundTrip : public AppTest, public ::testing::WithParamInterface<Round> {};

TEST_P(RoundTrip, LeavesNothingBehind) {
    const Round& round = GetParam();
    registry.deliver([&] { registry.show(round.menu()); });
    CountingHands hands(registry, platform);
    for (int i = 0; i < warmUpTrips; ++i) takeRound(hands, round);
    const Census before = censusOf(registry, platform);
    hands.peak = before;

    for (int i = 0; i < countedTrips; ++i) {
        takeRound(hands, round);
        // Whatever timer a trip left would tick now.
        platform.advance(5000);
    }

    EXPECT_EQ(censusOf(registry, platform), before);
    EXPECT_TRUE(shown(round.menu()));
    // The trips did load and draw what they then let go.
    EXPECT_GT(hands.peak.screens, before.screens);
    EXPECT_GT(hands.peak.controls, before.controls);
    EXPECT_EQ(hands.peak.strokes > before.strokes, round.trips.back().jotter);
}

INSTANTIATE_TEST_SUITE_P(EveryActivity, RoundTrip, ::testing::ValuesIn(rounds), kit::byName);

}  // namespace
