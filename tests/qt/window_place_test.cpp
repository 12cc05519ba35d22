#include "support/qt_fixture.h"

namespace {

using WindowPlace = QtAppTest;

TEST_F(WindowPlace, DraggedWindowStaysWhereTheUserPutItUntilTheScreenMovesIt) {
    registry.show("Titlefrm");
    ui::Screen& title = registry.screen("Titlefrm");
    auto& w = window("Titlefrm");
    EXPECT_EQ(w.pos(), QPoint(title.left() / 15, title.top() / 15));
    w.move(10, 20);
    registry.deliver([&] { title.control("Command1").setCaption("Cancel"); });
    EXPECT_EQ(w.pos(), QPoint(10, 20));
    registry.deliver([&] { title.setLeft(1500); });
    EXPECT_EQ(w.pos().x(), 100);
}

}  // namespace
