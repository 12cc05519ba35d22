#include <cstdlib>

#include "support/qt_fixture.h"

namespace {

using ShellRender = QtAppTest;

bool isYellow(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 90; }
bool isBlack(QColor c) { return c.red() < 30 && c.green() < 30 && c.blue() < 30; }
bool isGreyedText(QColor c) {
    return std::abs(c.red() - 128) < 40 && std::abs(c.green() - 128) < 40 &&
           std::abs(c.blue() - 128) < 40;
}

// How many pixels of a label's box, in twips, satisfy `test`.
template <class Test>
int countIn(const QImage& image, int left, int top, int width, int height, Test test) {
    int n = 0;
    for (int y = top / 15; y < (top + height) / 15; ++y)
        for (int x = left / 15; x < (left + width) / 15; ++x)
            if (test(image.pixelColor(x, y))) ++n;
    return n;
}

TEST_F(ShellRender, EnabledTopicYellowOnBlackGreyedTopicGrey) {
    registry.show("menu1");
    const QImage image = render("menu1");
    const int left = 3472, width = 5055, height = 495;
    // "Hamiltonian Circuits": the black box with yellow text in it.
    EXPECT_TRUE(isBlack(colourAt(image, left + 60, 2400 + 60)));
    EXPECT_GT(countIn(image, left, 2400, width, height, isYellow), 50);
    EXPECT_EQ(countIn(image, left, 2400, width, height, isGreyedText), 0);
    // "Factorials": still in its box, the text greyed.
    EXPECT_TRUE(isBlack(colourAt(image, left + 60, 3150 + 60)));
    EXPECT_EQ(countIn(image, left, 3150, width, height, isYellow), 0);
    EXPECT_GT(countIn(image, left, 3150, width, height, isGreyedText), 30);
}

TEST_F(ShellRender, IntroductionShowsItsBackgroundPicture) {
    registry.show("intro0");
    const QImage image = render("intro0");
    const QImage picture = QImage("Images/pellam0.jpg").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    for (QPoint at : {QPoint(200, 200), QPoint(40, 300), QPoint(500, 150)}) {
        const QColor drawn = image.pixelColor(at);
        const QColor file = picture.pixelColor(at);
        EXPECT_LE(std::abs(drawn.red() - file.red()), 6) << at.x() << ',' << at.y();
        EXPECT_LE(std::abs(drawn.green() - file.green()), 6) << at.x() << ',' << at.y();
        EXPECT_LE(std::abs(drawn.blue() - file.blue()), 6) << at.x() << ',' << at.y();
    }
}

void moveTo(QWidget& w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

// Pointer moves through the window: a tab takes its box, the greyed tab clears it.
TEST_F(ShellRender, PointerOverTheGreyedTabCountsAsBareScreen) {
    registry.show("intro0");
    ui::qt::ScreenWindow& w = window("intro0");
    moveTo(w, atTwips(10700, 2650));
    EXPECT_TRUE(registry.screen("intro0").control("Label2", 0).opaque());
    moveTo(w, atTwips(10700, 7150));
    EXPECT_FALSE(registry.screen("intro0").control("Label2", 0).opaque());
}

}  // namespace
