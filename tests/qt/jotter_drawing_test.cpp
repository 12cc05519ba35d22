#include <QHelpEvent>
#include <QToolTip>
#include <ostream>
#include <vector>

#include "app/colours.h"
#include "qt/convert.h"
#include "support/kit.h"
#include "support/qt_fixture.h"

namespace {

using kit::PrintTo;

const QColor board = ui::qt::toQColor(boardBlue);
const QColor penYellow(255, 255, 0);

class JotterDrawing : public QtAppTest {
protected:
    JotterDrawing() {
        registry.deliver([&] { registry.show("jotter"); });
        QCoreApplication::processEvents();
    }
    ui::qt::ScreenWindow& pad() { return window("jotter"); }
    // A left-button stroke through the points, in pixels, with real Qt mouse events.
    void stroke(const std::vector<QPoint>& points) {
        QTest::mousePress(&pad(), Qt::LeftButton, Qt::NoModifier, points.front());
        for (std::size_t i = 1; i < points.size(); ++i) QTest::mouseMove(&pad(), points[i]);
        QTest::mouseRelease(&pad(), Qt::LeftButton, Qt::NoModifier, points.back());
    }
    void press(const char* button) {
        clickOn("jotter", registry.screen("jotter").control(button), QPoint(20, 15));
    }
    QColor pixel(QPoint at) { return render("jotter").pixelColor(at); }

    // An L: along y = 50, then down x = 300; the tool frame starts at y = 194.
    const std::vector<QPoint> path = {{50, 50}, {175, 50}, {300, 50}, {300, 150}};
    const std::vector<QPoint> onPath = {{51, 50}, {120, 49}, {240, 50}, {300, 100}, {299, 149}};
    // The part of the path that the portrait pad still covers, clear of its tools.
    const std::vector<QPoint> onPathLeft = {{51, 50}, {120, 49}, {175, 50}};
    const std::vector<QPoint> offPath = {{120, 45}, {120, 56},  {294, 100}, {306, 100},
                                         {40, 50},  {300, 160}, {500, 100}};
};

TEST_F(JotterDrawing, StaysOnTopFromItsFirstShowing) {
    EXPECT_TRUE(pad().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(pad().size(), QSize(9915 / 15, 3660 / 15));
}

// The model says which button the pointer rests on, inside its frame; its hover text shows.
TEST_F(JotterDrawing, HoverTextOfTheButtonUnderThePointer) {
    for (auto [leftTwips, text] :
         {std::pair{1120, "Yellow"}, std::pair{3240, "New"}, std::pair{60, "Exit"}}) {
        const QPoint at = atTwips(leftTwips + 400, 2910 + 180 + 200);
        QHelpEvent hover(QEvent::ToolTip, at, pad().mapToGlobal(at));
        QCoreApplication::sendEvent(&pad(), &hover);
        EXPECT_EQ(QToolTip::text().toStdString(), text);
    }
}

TEST_F(JotterDrawing, LeftDragDrawsYellowAlongThePathOnly) {
    stroke(path);
    const QImage image = render("jotter");
    for (QPoint p : onPath) EXPECT_EQ(image.pixelColor(p), penYellow) << p.x() << "," << p.y();
    for (QPoint p : offPath) EXPECT_EQ(image.pixelColor(p), board) << p.x() << "," << p.y();
}

TEST_F(JotterDrawing, RightDragDrawsNothing) {
    QTest::mousePress(&pad(), Qt::RightButton, Qt::NoModifier, path.front());
    for (std::size_t i = 1; i < path.size(); ++i) QTest::mouseMove(&pad(), path[i]);
    QTest::mouseRelease(&pad(), Qt::RightButton, Qt::NoModifier, path.back());
    const QImage image = render("jotter");
    for (QPoint p : onPath) EXPECT_EQ(image.pixelColor(p), board) << p.x() << "," << p.y();
}

TEST_F(JotterDrawing, EraseOverAStrokeLeavesTheBoard) {
    stroke(path);
    press("Command5");
    stroke(path);
    const QImage image = render("jotter");
    for (QPoint p : onPath) EXPECT_EQ(image.pixelColor(p), board) << p.x() << "," << p.y();
}

// Projector mode on and off redraws the working at the new scale instead of wiping it.
TEST_F(JotterDrawing, KeepsTheDrawingAcrossF11AndEscape) {
    stroke(path);
    bool projector = false;
    for (Qt::Key k : {Qt::Key_F11, Qt::Key_Escape, Qt::Key_F11, Qt::Key_F11}) {
        QApplication::setActiveWindow(&pad());
        QTest::keyClick(&pad(), k);
        projector = k == Qt::Key_F11 && !projector;
        const double scale = pad().view().scale;
        EXPECT_EQ(scale > 1, projector);
        const QImage image = render("jotter");
        ASSERT_EQ(image.size(),
                  QSize(static_cast<int>(661 * scale), static_cast<int>(244 * scale)));
        for (QPoint p : onPath)
            EXPECT_EQ(image.pixelColor((QPointF(p) * scale).toPoint()), penYellow)
                << k << " " << p.x() << "," << p.y();
        for (QPoint p : offPath)
            EXPECT_EQ(image.pixelColor((QPointF(p) * scale).toPoint()), board)
                << k << " " << p.x() << "," << p.y();
    }
}

struct WipeCase {
    const char* name;
    std::vector<const char*> buttons;
    QSize client;
    QPoint farCorner;  // of the new shape's drawing area
};

class JotterWipe : public JotterDrawing, public ::testing::WithParamInterface<WipeCase> {};

TEST_P(JotterWipe, StartsAFreshBoard) {
    stroke(path);
    for (const char* b : GetParam().buttons) press(b);
    QCoreApplication::processEvents();
    EXPECT_EQ(pad().size(), GetParam().client);
    const QImage image = render("jotter");
    for (QPoint p : onPathLeft) EXPECT_EQ(image.pixelColor(p), board) << p.x() << "," << p.y();
    // The fresh board is the new shape's size and takes strokes all over it.
    const QPoint corner = GetParam().farCorner;
    stroke({{60, 120}, corner});
    EXPECT_EQ(pixel((QPoint(60, 120) + corner) / 2), penYellow);
    EXPECT_EQ(pixel(corner), penYellow);
}

INSTANTIATE_TEST_SUITE_P(Buttons, JotterWipe,
                         ::testing::Values(WipeCase{"Clear", {"Command6"}, {661, 244}, {640, 180}},
                                           WipeCase{"ToPortrait",
                                                    {"Command3"},
                                                    {(4000 - 120) / 15, (12000 - 510) / 15},
                                                    {180, 750}},
                                           WipeCase{"BackToLandscape",
                                                    {"Command3", "Command4"},
                                                    {(10000 - 120) / 15, (4140 - 510) / 15},
                                                    {640, 180}}),
                         kit::byName);

}  // namespace
