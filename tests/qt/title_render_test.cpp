#include "support/qt_fixture.h"

namespace {

using TitleRender = QtAppTest;

TEST_F(TitleRender, GreyGroundAndOpeningPicture) {
    registry.show("Titlefrm");
    const QImage image = render("Titlefrm");
    EXPECT_EQ(image.size(), QSize(5460 / 15, 6570 / 15));
    EXPECT_EQ(colourAt(image, 150, 5900), QColor(192, 192, 192));
    // The picture box holds the opening picture, not the grey of the window.
    const QColor middle = colourAt(image, 300 + 2400, 1560 - 90 + 1800);
    EXPECT_NE(middle, QColor(192, 192, 192));
}

}  // namespace
