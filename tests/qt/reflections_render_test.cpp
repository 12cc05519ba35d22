#include <QElapsedTimer>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <string>

#include "qt/convert.h"

#include "reflections/grid.h"
#include "reflections/reflections.h"
#include "support/qt_fixture.h"

namespace {

bool isAxisBlue(QColor c) { return c.blue() > 200 && c.red() < 170 && c.green() < 170; }
bool isGridGrey(QColor c) {
    return std::abs(c.red() - c.blue()) < 8 && c.red() > 100 && c.red() < 215;
}
bool isFace(QColor c) { return c == QColor(240, 240, 240); }
bool isCrossRed(QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }

class ReflectionsRender : public QtAppTest {
protected:
    ReflectionsRender() {
        registry.deliver([&] { registry.show("reflections"); });
        QCoreApplication::processEvents();
    }
    reflect::reflections& screen() {
        return registry.screenAs<reflect::reflections>("reflections");
    }
    QRect picture() { return rectOf("reflections", screen().control("Picturegraph")); }
    QWindow& handle() { return *window("reflections").windowHandle(); }
    // A point of the drawing area, in twips, as a pixel of the window.
    QPoint inWindow(int x, int y) { return picture().topLeft() + atTwips(x, y); }
    // The window as its backing store holds it: what was really painted, stale pixels and all.
    QImage painted() {
        QCoreApplication::processEvents();
        return handle()
            .screen()
            ->grabWindow(handle().winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // Whether any pixel of a small square round a drawing-area point passes `test`.
    template <class Test>
    bool near(const QImage& image, int x, int y, Test test) {
        const QPoint at = inWindow(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (test(image.pixelColor(at + QPoint(dx, dy)))) return true;
        return false;
    }
    template <class Test>
    int countIn(const QImage& image, const ui::Control& c, Test test) {
        int n = 0;
        const QRect box(inWindow(c.left(), c.top()),
                        inWindow(c.left() + c.width(), c.top() + c.height()));
        for (int y = box.top(); y < box.bottom(); ++y)
            for (int x = box.left(); x < box.right(); ++x) n += test(image.pixelColor(x, y));
        return n;
    }
};

// Every grid line and both axes are one full-tone pixel across, on the pixel its place rounds
// to, with the face either side, never a half-tone spread over two: sampled between crossings,
// ticks and numbers. Each reaches the pixels its ends round to, so the grid closes at its edges.
TEST_F(ReflectionsRender, GridLinesAndAxesAreOneWholePixelWide) {
    registry.deliver([&] {
        for (const char* name : {"Line1", "Line2", "Line3", "Line4", "Shapeblack", "Shapepink",
                                 "Shapeblue", "Shapered"})
            screen().control(name).setVisible(false);
    });
    const QImage image = render("reflections");
    const auto rounded = [&](double x, double y) {
        return picture().topLeft() + QPoint(static_cast<int>(std::lround(x / ui::twipsPerPixel)),
                                            static_cast<int>(std::lround(y / ui::twipsPerPixel)));
    };
    int lines = 0;
    for (const auto& owned : screen().controls()) {
        const ui::Control& c = *owned;
        const bool grid = c.name() == "xgrid" || c.name() == "ygrid";
        if (!grid && c.name() != "Linex" && c.name() != "Liney") continue;
        const bool upright = c.x1() == c.x2();
        const QColor colour = ui::qt::toQColor(c.foreColour());
        const QColor axis(0, 0, 255);  // a grid line through the origin lies under an axis
        const auto isLine = [&](QColor seen) { return seen == colour || (grid && seen == axis); };
        const QPoint centre = upright ? rounded(c.x1(), 850) : rounded(350, c.y1());
        const QPoint step = upright ? QPoint(1, 0) : QPoint(0, 1);
        for (int d = -3; d <= 3; ++d) {
            const QColor seen = image.pixelColor(centre + d * step);
            EXPECT_TRUE(d == 0 ? isLine(seen) : isFace(seen))
                << c.name() << "(" << c.index() << ") " << d;
        }
        EXPECT_TRUE(isLine(image.pixelColor(rounded(c.x1(), c.y1()))))
            << c.name() << "(" << c.index() << ")";
        EXPECT_TRUE(isLine(image.pixelColor(rounded(c.x2(), c.y2()))))
            << c.name() << "(" << c.index() << ")";
        ++lines;
    }
    EXPECT_EQ(lines, 17 + 15 + 2);
}

TEST_F(ReflectionsRender, GridAxesTicksAndNumbersWhereTheyAreBuilt) {
    // The object lies anywhere, on a checked point as likely as not: it and its outline go.
    for (const char* name :
         {"Line1", "Line2", "Line3", "Line4", "Shapeblack", "Shapepink", "Shapeblue", "Shapered"})
        screen().control(name).setVisible(false);
    const QImage image = render("reflections");
    // Axes, between grid lines.
    EXPECT_TRUE(near(image, 850, 3600, isAxisBlue));
    EXPECT_TRUE(near(image, 4100, 1350, isAxisBlue));
    // A tick above the axis on column x = -7, and one left of the y-axis on row y = 5.
    EXPECT_TRUE(near(image, 600, 3510, isAxisBlue));
    EXPECT_TRUE(near(image, 4020, 1100, isAxisBlue));
    // Grid lines, and the face between them.
    EXPECT_TRUE(near(image, 1100, 2350, isGridGrey));
    EXPECT_TRUE(near(image, 2350, 5100, isGridGrey));
    EXPECT_TRUE(isFace(image.pixelColor(inWindow(1350, 2350))));
    // Every number shows blue text on the face, over the grid line it stands on.
    for (const char* family : {"Label1", "Label2"})
        for (int i = 0; screen().find(family, i); ++i) {
            const ui::Control& n = screen().control(family, i);
            EXPECT_GT(countIn(image, n, isAxisBlue), 4) << family << " " << n.caption();
            EXPECT_EQ(countIn(image, n, isGridGrey), 0) << family << " " << n.caption();
        }
}

// Off the window with the button held, back onto the grid near (2, 3), and let go there.
TEST_F(ReflectionsRender, CrossDraggedOffTheWindowAndBackSnaps) {
    const ui::Control& red = screen().control("Labelred");
    QTest::mousePress(&handle(), Qt::LeftButton, {}, inWindow(8450, 2600));
    QTest::mouseMove(&handle(), QPoint(-40, -30));
    EXPECT_LT(red.left(), 0);
    QTest::mouseMove(&handle(), inWindow(5160, 2040));
    QTest::mouseRelease(&handle(), Qt::LeftButton, {}, inWindow(5160, 2040));
    EXPECT_EQ(red.left() + red.width() / 2, reflect::gridTables.x(2));
    EXPECT_EQ(red.top() + red.height() / 2, reflect::gridTables.y(3));
    EXPECT_EQ(screen().control("Line7").x2(), reflect::gridTables.x(2));
    EXPECT_EQ(screen().control("Line8").y1(), reflect::gridTables.y(3));
    EXPECT_GT(countIn(painted(), red, isCrossRed), 10);
}

// "Show mirror line" is wider than its box: it wraps onto a second line instead of being cut.
TEST_F(ReflectionsRender, MirrorLineCaptionWrapsInsideItsBox) {
    registry.deliver([&] { screen().control("Option2").setValue(1); });
    const QImage image =
        render("reflections").copy(rectOf("reflections", screen().control("Check1")));
    int rowsWithText = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool text = false;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            text = text || (c.red() > 180 && c.green() > 180 && c.blue() < 120);
        }
        rowsWithText += text;
    }
    // One line of 9.75-point bold shows on about ten rows.
    EXPECT_GT(rowsWithText, 16);
}

// One step of a drag repaints a small part of the drawing area, not the window.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST_F(ReflectionsRender, DragStepRepaintsOnlyAroundTheCrossAndItsLines) {
    const ui::Control& red = screen().control("Labelred");
    const QPoint home = inWindow(8450, 2600);
    QTest::mousePress(&handle(), Qt::LeftButton, {}, home);
    QTest::mouseMove(&handle(), home + QPoint(-20, 10));
    painted();
    PaintSpy spy;
    window("reflections").installEventFilter(&spy);
    QTest::mouseMove(&handle(), home + QPoint(-26, 14));
    painted();
    qint64 area = 0;
    for (const QRect& r : spy.painted) area += qint64(r.width()) * r.height();
    EXPECT_GT(area, 0);
    EXPECT_LT(area, picture().width() * picture().height() / 10);
    QTest::mouseRelease(&handle(), Qt::LeftButton, {}, home + QPoint(-26, 14));
    // Nothing of the cross stays where it was drawn before.
    const QImage image = painted();
    int left = 0;
    const QRect before(inWindow(8450 - 105, 2600 - 187), inWindow(8450 + 105, 2600 + 187));
    for (int y = before.top(); y < before.bottom(); ++y)
        for (int x = before.left(); x < before.right(); ++x)
            left += isCrossRed(image.pixelColor(x, y));
    EXPECT_EQ(left, 0);
    EXPECT_GT(countIn(image, red, isCrossRed), 10);
}

// The real timer: a second check restarts the message's whole time. Shortened through the
// model to keep the test quick.
TEST_F(ReflectionsRender, SecondCheckRestartsTheMessageTime) {
    constexpr int period = 400;
    screen().timer("tmrmessage").setInterval(period);
    const ui::Control& check = screen().control("cmdsoln");
    const ui::Control& message = screen().control("Label4");
    QElapsedTimer clock;
    clock.start();
    clickOn("reflections", check);
    ASSERT_TRUE(message.visible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock.elapsed() >= period / 2; }, 5000));
    ASSERT_TRUE(message.visible());
    clock.restart();
    clickOn("reflections", check);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !message.visible(); }, 10000));
    EXPECT_GE(clock.elapsed(), period - 20);
}

}  // namespace
