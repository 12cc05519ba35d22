#include <QPointer>
#include <filesystem>

#include "support/qt_fixture.h"

namespace {

using TitleRender = QtAppTest;

TEST_F(TitleRender, GreyGroundAndOpeningPicture) {
    registry.show("Titlefrm");
    const QImage image = render("Titlefrm");
    EXPECT_EQ(image.size(), QSize(5460 / 15, 6570 / 15));
    EXPECT_EQ(colourAt(image, 150, 5900), QColor(192, 192, 192));
    // Inside the picture box: the opening picture, neither grey nor blue.
    const QColor middle = colourAt(image, 300 + 2400, 1560 - 90 + 1800);
    EXPECT_NE(middle, QColor(192, 192, 192));
    EXPECT_NE(middle, QColor(49, 135, 214));
    // The title is drawn in blue.
    bool blueTitle = false;
    for (int x = 60; x < 5400 && !blueTitle; x += 15) {
        const QColor c = colourAt(image, x, 210 - 90 + 500);
        blueTitle = c.blue() > 200 && c.red() < 80 && c.green() < 80;
    }
    EXPECT_TRUE(blueTitle);
}

TEST_F(TitleRender, MissingPictureShowsTheBlueStandardScreen) {
    const auto cwd = std::filesystem::current_path();
    const auto empty = std::filesystem::temp_directory_path() / "quillon-empty-cwd";
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    registry.show("Titlefrm");
    std::filesystem::current_path(cwd);
    const QImage image = render("Titlefrm");
    EXPECT_EQ(image.size(), QSize(11880 / 15, 8490 / 15));
    // The frame, in front, keeps its grey; beyond it the standard blue shows.
    EXPECT_EQ(colourAt(image, 150, 5900), QColor(192, 192, 192));
    EXPECT_EQ(colourAt(image, 9000, 8000), QColor(49, 135, 214));
    // The picture box has no picture: its ground is the standard blue.
    EXPECT_EQ(colourAt(image, 300 + 2400, 1560 - 90 + 1800), QColor(49, 135, 214));
}

TEST_F(TitleRender, RealClickOnExitEndsTheProgram) {
    registry.show("Titlefrm");
    const ui::Control& exit = registry.screen("Titlefrm").control("Command2");
    // In the window: its frame stands 90 twips above the client area.
    EXPECT_EQ(rectOf("Titlefrm", exit), QRect(2760 / 15, (6000 - 90) / 15, 1335 / 15, 375 / 15));
    clickOn("Titlefrm", exit);
    EXPECT_TRUE(registry.ended());
    EXPECT_FALSE(registry.isLoaded("Titlefrm"));
}

TEST_F(TitleRender, RealClickOnOkUnloadsTheScreenWhoseButtonWasClicked) {
    registry.show("Titlefrm");
    auto& w = window("Titlefrm");
    const QPointer<QWidget> titleWindow = &w;
    clickOn("Titlefrm", registry.screen("Titlefrm").control("Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(registry.isLoaded("Titlefrm"));
    EXPECT_TRUE(registry.screen("intro0").shown());
    // The title's own window is gone, not merely hidden or forgotten.
    EXPECT_TRUE(titleWindow.isNull());
}

TEST_F(TitleRender, NoWindowBoxesAndNoButtonsTakeTabFromOthers) {
    registry.show("Titlefrm");
    const Qt::WindowFlags flags = window("Titlefrm").windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

}  // namespace
