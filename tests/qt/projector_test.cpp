#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "app/colours.h"
#include "hamilton/hamilton.h"
#include "qt/convert.h"
#include "support/qt_fixture.h"

// Run on a display of 1920 x 1080 and again on one of 1024 x 768 (see tests/CMakeLists.txt).
namespace {

QSize display() { return QGuiApplication::primaryScreen()->geometry().size(); }

class ProjectorMode : public QtAppTest {
protected:
    ProjectorMode() {
        registry.deliver([&] { registry.show("hamilton"); });
        QCoreApplication::processEvents();
        designSize = window("hamilton").size();
        designPlace = window("hamilton").pos();
    }
    void key(const char* screen, Qt::Key k) {
        QApplication::setActiveWindow(&window(screen));
        QTest::keyClick(&window(screen), k);
        QCoreApplication::processEvents();
    }
    hamiltonian::hamilton& screen() { return registry.screenAs<hamiltonian::hamilton>("hamilton"); }
    // Where a twip of the design lands in the window now.
    QPoint onWindow(double xTwips, double yTwips) {
        const ui::View& v = window("hamilton").view();
        return (QPointF(v.toWindowX(xTwips), v.toWindowY(yTwips)) / 15).toPoint();
    }
    QPoint edgeCentre(int i) {
        const ui::Control& l = screen().control("Line1", i);
        return onWindow((l.x1() + l.x2()) / 2, (l.y1() + l.y2()) / 2);
    }

    QSize designSize;
    QPoint designPlace;
};

TEST_F(ProjectorMode, F11FillsTheDisplayWithMarginsInTheScreensOwnColour) {
    key("hamilton", Qt::Key_F11);
    ASSERT_EQ(window("hamilton").size(), display());
    const ui::View v = window("hamilton").view();
    EXPECT_EQ(v, registry.screen("hamilton").view());
    EXPECT_NEAR(v.scale, std::min(display().width() / 792.0, display().height() / 566.0), 1e-9);
    const QImage image = render("hamilton");
    const QPointF offset(v.offsetX / ui::twipsPerPixel, v.offsetY / ui::twipsPerPixel);
    const QPoint margin = offset.x() > offset.y()
                              ? QPoint(static_cast<int>(offset.x() / 2), display().height() / 2)
                              : QPoint(display().width() / 2, static_cast<int>(offset.y() / 2));
    EXPECT_EQ(image.pixelColor(margin), ui::qt::toQColor(standardBlue));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(image.pixelColor(edgeCentre(i)), ui::qt::toQColor(basicColour(11))) << i;
}

TEST_F(ProjectorMode, ClickAtTheScaledCentreOfAnEdgeTogglesIt) {
    key("hamilton", Qt::Key_F11);
    for (int i = 0; i < 6; ++i) {
        clickAt(window("hamilton"), edgeCentre(i));
        EXPECT_EQ(screen().edgeSelected()[static_cast<std::size_t>(i)], 1) << i;
    }
    // A toolbar button lies at its scaled rectangle.
    const QRect next = rectOf("hamilton", screen().control("cmdgo"));
    EXPECT_LE((next.topLeft() - onWindow(10050, 7950)).manhattanLength(), 2);
    clickAt(window("hamilton"), next.center());
    EXPECT_EQ(screen().edgeSelected()[0], 0);
}

TEST_F(ProjectorMode, LeavingRestoresTheDesignSizeAndPlace) {
    for (Qt::Key leave : {Qt::Key_F11, Qt::Key_Escape}) {
        key("hamilton", Qt::Key_F11);
        ASSERT_EQ(window("hamilton").size(), display());
        key("hamilton", leave);
        EXPECT_EQ(window("hamilton").size(), designSize);
        EXPECT_EQ(window("hamilton").pos(), designPlace);
        EXPECT_EQ(window("hamilton").view(), ui::View{});
    }
}

TEST_F(ProjectorMode, CarriesOverToTheScreensShownNext) {
    key("hamilton", Qt::Key_F11);
    registry.deliver([&] { screen().control("cmdexit").click(); });
    QCoreApplication::processEvents();
    EXPECT_EQ(window("menu1").size(), display());
    registry.deliver([&] { registry.show("hamilton"); });
    QCoreApplication::processEvents();
    EXPECT_EQ(window("hamilton").size(), display());
}

// A cross dropped at the scaled place of a grid point lands on that point, as it would at the
// design size: the drag goes by real Qt mouse events on the window.
TEST_F(ProjectorMode, CrossDroppedAtAScaledPlaceSnapsToTheSameGridPoint) {
    registry.deliver([&] { registry.show("reflections"); });
    key("reflections", Qt::Key_F11);
    ui::Screen& s = registry.screen("reflections");
    ui::qt::ScreenWindow& w = window("reflections");
    const QPoint picture = rectOf("reflections", s.control("Picturegraph")).topLeft();
    const double scale = w.view().scale;
    auto onWindow = [&](double xTwips, double yTwips) {
        return picture + (QPointF(xTwips, yTwips) / 15 * scale).toPoint();
    };
    const ui::Control& red = s.control("Labelred");
    QWindow& handle = *w.windowHandle();
    // Grid point (2, 3) is at 5100, 2100 in the drawing area; let go a little off it.
    QTest::mousePress(&handle, Qt::LeftButton, {}, onWindow(8450, 2600));
    QTest::mouseMove(&handle, onWindow(6000, 3000));
    QTest::mouseMove(&handle, onWindow(5160, 2040));
    QTest::mouseRelease(&handle, Qt::LeftButton, {}, onWindow(5160, 2040));
    EXPECT_EQ(red.left() + red.width() / 2, 5100);
    EXPECT_EQ(red.top() + red.height() / 2, 2100);
}

TEST_F(ProjectorMode, JotterFloatsAsALargerBoardAndDrawsWhereTheStrokeGoes) {
    key("hamilton", Qt::Key_F11);
    registry.deliver([&] { registry.show("jotter"); });
    QCoreApplication::processEvents();
    ui::qt::ScreenWindow& pad = window("jotter");
    const double scale = pad.view().scale;
    // Twice the design, where the display has room for that.
    EXPECT_NEAR(scale, std::min({2.0, display().width() / 661.0, display().height() / 244.0}),
                1e-9);
    EXPECT_EQ(pad.size(), QSize(static_cast<int>(661 * scale), static_cast<int>(244 * scale)));
    EXPECT_LT(pad.width(), display().width() + 1);
    const QPoint from = (QPointF(50, 50) * scale).toPoint();
    const QPoint to = (QPointF(250, 50) * scale).toPoint();
    QTest::mousePress(&pad, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&pad, to);
    QTest::mouseRelease(&pad, Qt::LeftButton, Qt::NoModifier, to);
    const QImage image = render("jotter");
    EXPECT_EQ(image.pixelColor((from + to) / 2), QColor(255, 255, 0));
}

}  // namespace
