#include <gtest/gtest.h>

#include "ui/view.h"

namespace {

// The page's frame: a 4 px border round a 26 px caption bar.
constexpr ui::Size pageMargins{120, 510};
constexpr ui::Size standardClient{11880, 8490};

struct FitCase {
    const char* name;
    int viewportWidthPx, viewportHeightPx;
    ui::Size client;
    bool floating;
    int left, top;  // where the screen stands, twips
    int placedLeft, placedTop;
    double scale;
};

// Worked out by hand: scale = min((viewport - margins) / standard client), the floating board's
// no more than its own client fits; the window's pixels floored, centred on whole pixels.
const FitCase cases[] = {
    {"designSize", 800, 600, standardClient, false, 0, 0, 0, 0, 1},
    {"projector1080p", 1920, 1080, standardClient, false, 0, 0, 224 * 15, 0, 15690.0 / 8490},
    {"projector4k", 3840, 2160, standardClient, false, 0, 0, 429 * 15, 0, 31890.0 / 8490},
    {"laptop", 1366, 768, standardClient, false, 0, 0, 165 * 15, 0, 11010.0 / 8490},
    {"oldProjector", 1024, 768, standardClient, false, 0, 0, 0, 4 * 15, 15240.0 / 11880},
    {"tabletUpright", 768, 1024, standardClient, false, 0, 0, 0, 223 * 15, 11400.0 / 11880},
    {"phone", 390, 844, standardClient, false, 0, 0, 0, 269 * 15, 5730.0 / 11880},
    // A setupform place left of centre, or off the display, is not the page's.
    {"placeIgnored", 1920, 1080, standardClient, false, -1200, 99999, 224 * 15, 0, 15690.0 / 8490},
    {"title1080p", 1920, 1080, {5460, 6570}, false, 0, 0, 620 * 15, 118 * 15, 15690.0 / 8490},
    {"jotter1080p", 1920, 1080, {9915, 3660}, true, 0, 0, 0, 0, 15690.0 / 8490},
    {"portraitJotter1080p", 1920, 1080, {3880, 11490}, true, 300, 450, 20 * 15, 0, 15690.0 / 11490},
    {"jotterMovedInside", 800, 600, {9915, 3660}, true, 30000, 20000, 131 * 15, 322 * 15, 1},
    {"jotterOffTopLeft", 800, 600, {9915, 3660}, true, -3000, -3000, 0, 0, 1},
    {"tooSmallForItsFrame", 4, 4, standardClient, false, 0, 0, 0, 0, 0.1},
};

class ViewportFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ViewportFit, PlacementWorkedOutByHand) {
    const FitCase& c = GetParam();
    const ui::Placement p = ui::fitToViewport({c.viewportWidthPx * 15, c.viewportHeightPx * 15},
                                              pageMargins, c.client, c.floating, c.left, c.top);
    EXPECT_EQ(p.left, c.placedLeft);
    EXPECT_EQ(p.top, c.placedTop);
    EXPECT_NEAR(p.view.scale, c.scale, 1e-9);
    EXPECT_EQ(p.view.offsetX, 0);
    EXPECT_EQ(p.view.offsetY, 0);
    EXPECT_FALSE(p.view.fillsDisplay);
}

INSTANTIATE_TEST_SUITE_P(Viewports, ViewportFit, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

// Over every viewport from a phone to beyond 4K: the standard window lies whole inside, fills
// the limiting side to the last pixel, and stands centred on the other.
TEST(ViewportFit, StandardWindowWholeCentredAndFillingEveryViewport) {
    for (int w = 300; w <= 4000; w += 7)
        for (int h = 300; h <= 2400; h += 11) {
            const ui::Placement p =
                ui::fitToViewport({w * 15, h * 15}, pageMargins, standardClient, false, 0, 0);
            const int width = static_cast<int>(standardClient.width * p.view.scale / 15) + 8;
            const int height = static_cast<int>(standardClient.height * p.view.scale / 15) + 34;
            const int x = p.left / 15, y = p.top / 15;
            ASSERT_EQ(p.left % 15 + p.top % 15, 0) << w << "x" << h;
            ASSERT_TRUE(x >= 0 && y >= 0 && x + width <= w && y + height <= h) << w << "x" << h;
            ASSERT_GE(std::max(width - w, height - h), -1) << w << "x" << h;
            ASSERT_LE(std::abs((w - width) - 2 * x), 1) << w << "x" << h;
            ASSERT_LE(std::abs((h - height) - 2 * y), 1) << w << "x" << h;
        }
}

}  // namespace
