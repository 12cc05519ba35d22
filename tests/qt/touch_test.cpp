#include <QPointingDevice>

#include "hamilton/hamilton.h"
#include "support/qt_fixture.h"

namespace {

// On a whiteboard or a touch screen a tap is a click and a one-finger drag a left-button drag.
class Touch : public QtAppTest {
protected:
    void tap(QWidget& w, QPoint at) {
        QTest::touchEvent(&w, finger).press(0, at, &w);
        QTest::touchEvent(&w, finger).release(0, at, &w);
        QCoreApplication::processEvents();
    }
    void drag(QWidget& w, const std::vector<QPoint>& path) {
        QTest::touchEvent(&w, finger).press(0, path.front(), &w);
        for (std::size_t i = 1; i < path.size(); ++i)
            QTest::touchEvent(&w, finger).move(0, path[i], &w);
        QTest::touchEvent(&w, finger).release(0, path.back(), &w);
        QCoreApplication::processEvents();
    }

    // One device for the whole run: the window system keeps every device it is given.
    static inline QPointingDevice* finger = QTest::createTouchDevice();
};

TEST_F(Touch, TapTogglesAHamiltonianEdge) {
    registry.deliver([&] { registry.show("hamilton"); });
    QCoreApplication::processEvents();
    auto& screen = registry.screenAs<hamiltonian::hamilton>("hamilton");
    const ui::Control& line = screen.control("Line1", 0);
    const QPoint centre = atTwips(static_cast<int>((line.x1() + line.x2()) / 2),
                                  static_cast<int>((line.y1() + line.y2()) / 2));
    tap(window("hamilton"), centre);
    EXPECT_EQ(screen.edgeSelected()[0], 1);
    tap(window("hamilton"), centre);
    EXPECT_EQ(screen.edgeSelected()[0], 0);
}

TEST_F(Touch, TapPressesAButton) {
    registry.deliver([&] { registry.show("hamilton"); });
    QCoreApplication::processEvents();
    const QRect jotterButton = rectOf("hamilton", registry.screen("hamilton").control("cmdjotter"));
    tap(window("hamilton"), jotterButton.topLeft() + QPoint(30, 15));
    EXPECT_TRUE(registry.isLoaded("jotter"));
}

TEST_F(Touch, OneFingerDragMovesACrossAndItSnaps) {
    registry.deliver([&] { registry.show("reflections"); });
    QCoreApplication::processEvents();
    ui::Screen& s = registry.screen("reflections");
    const QPoint picture = rectOf("reflections", s.control("Picturegraph")).topLeft();
    auto onWindow = [&](int x, int y) { return picture + atTwips(x, y); };
    // From the red cross's home to near grid point (2, 3), at 5100, 2100 in the drawing area.
    drag(window("reflections"), {onWindow(8450, 2600), onWindow(7000, 2400), onWindow(5160, 2040)});
    const ui::Control& red = s.control("Labelred");
    EXPECT_EQ(red.left() + red.width() / 2, 5100);
    EXPECT_EQ(red.top() + red.height() / 2, 2100);
}

TEST_F(Touch, OneFingerDragDrawsInTheJotter) {
    registry.deliver([&] { registry.show("jotter"); });
    QCoreApplication::processEvents();
    drag(window("jotter"), {{50, 50}, {150, 50}, {250, 50}});
    const QImage image = render("jotter");
    EXPECT_EQ(image.pixelColor(100, 50), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(200, 50), QColor(255, 255, 0));
}

}  // namespace
