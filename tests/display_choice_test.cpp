#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "program/display_choice.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

struct EnvRow {
    const char* name;
    DisplayEnvironment env;
    bool display;
    std::string platform;
};

class DisplayChoice : public ::testing::TestWithParam<EnvRow> {};

TEST_P(DisplayChoice, FindsADisplayAndPrefersXWhereItCanPlaceWindows) {
    EXPECT_EQ(hasDisplay(GetParam().env), GetParam().display);
    EXPECT_EQ(chosenQtPlatform(GetParam().env), GetParam().platform);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DisplayChoice,
    ::testing::Values(EnvRow{"nothing", {}, false, ""},
                      EnvRow{"emptyValues", {"", "", ""}, false, ""},
                      EnvRow{"xOnly", {nullptr, ":0", nullptr}, true, "xcb"},
                      EnvRow{"xWayland", {nullptr, ":0", "wayland-0"}, true, "xcb"},
                      EnvRow{"waylandOnly", {nullptr, nullptr, "wayland-0"}, true, ""},
                      EnvRow{"userNamedWayland", {"wayland", ":0", "wayland-0"}, true, ""},
                      EnvRow{"userNamedXWithoutDisplay", {"xcb", nullptr, nullptr}, false, ""},
                      EnvRow{"offscreen", {"offscreen", nullptr, nullptr}, true, ""}),
    kit::byName);

}  // namespace
