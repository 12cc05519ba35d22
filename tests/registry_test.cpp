#include "support/app_fixture.h"

namespace {

using Start = AppTest;

TEST_F(Start, TitleShownAndExitEnds) {
    registry.show("Titlefrm");
    EXPECT_TRUE(shown("Titlefrm"));
    click("Titlefrm", "Command2");
    EXPECT_TRUE(platform.ended);
    EXPECT_FALSE(registry.isLoaded("Titlefrm"));
}

}  // namespace
