// Round trips into the activities and out again, on real Qt windows with a screen reader reading
// them, leave no widget, window, QObject or accessibility interface behind.
#include <algorithm>

#include "support/kit.h"
#include "support/qt_census.h"
#include "support/qt_fixture.h"
#include "support/qt_hands.h"
#include "support/trips.h"

namespace {

constexpr int warmUpTrips = 3;
constexpr int countedTrips = 20;

class QtRoundTrip : public QtAppTest, public ::testing::WithParamInterface<Round> {
protected:
    ObjectCounter objects;
};

TEST_P(QtRoundTrip, LeavesNothingBehind) {
    const Round& round = GetParam();
    registry.deliver([&] { registry.show(round.menu()); });
    QtHands hands(platform, registry);
    QtCensus peak;
    QStringList heard;
    hands.afterEachStep = [&] {
        heard += readAloud();
        const QtCensus now = qtCensus();
        peak.widgets = std::max(peak.widgets, now.widgets);
        peak.accessibles = std::max(peak.accessibles, now.accessibles);
    };
    settle();
    for (int i = 0; i < warmUpTrips; ++i) takeRound(hands, round);
    const QtCensus before = qtCensus();

    for (int i = 0; i < countedTrips; ++i) takeRound(hands, round);

    EXPECT_EQ(qtCensus(), before);
    // The trips did open windows that a screen reader read, and then let them go.
    EXPECT_GT(peak.widgets, before.widgets);
    EXPECT_GT(peak.accessibles, before.accessibles);
    EXPECT_TRUE(heard.contains("Exit")) << heard.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryActivity, QtRoundTrip, ::testing::ValuesIn(rounds), kit::byName);

}  // namespace
