#include <string>

#include "app/colours.h"
#include "qt/convert.h"
#include "support/kit.h"
#include "support/qt_fixture.h"
#include "surds/surds.h"

namespace {

const QColor questionYellow = ui::qt::toQColor(yellow);
const QColor answerWhite(255, 255, 255);
const QColor board = ui::qt::toQColor(boardBlue);

class SurdsRender : public QtAppTest {
protected:
    SurdsRender() {
        registry.deliver([&] { registry.show("surds"); });
        QCoreApplication::processEvents();
    }
    surd::surds& screen() { return registry.screenAs<surd::surds>("surds"); }
    // The middle of a line member, in twips of the screen's client area.
    QPoint middleOf(int member) {
        const ui::Control& l = screen().control("Line1", member);
        const ui::Control& box = *l.container();
        return {box.left() + static_cast<int>((l.x1() + l.x2()) / 2),
                box.top() + static_cast<int>((l.y1() + l.y2()) / 2)};
    }
};

// The fraction bar and the tick, rising stroke and bar of the root sign of 5 over root 7.
TEST_F(SurdsRender, Kind2QuestionDrawsItsFractionBarAndRootSign) {
    const int lines[] = {17, 13, 12, 9};
    kit::ask(registry, surd::Kind1{1, 2});
    const QImage before = render("surds");
    kit::ask(registry, surd::Kind2{4, 5});
    const QImage image = render("surds");
    for (int member : lines) {
        const QPoint at = middleOf(member);
        EXPECT_EQ(colourAt(image, at.x(), at.y()), questionYellow) << "Line1(" << member << ")";
        EXPECT_EQ(colourAt(before, at.x(), at.y()), board) << "Line1(" << member << ")";
    }
}

// An answer box: a white border broken by its caption, under the question.
TEST_F(SurdsRender, AnswerBoxHasAWhiteBorderAndCaption) {
    kit::ask(registry, surd::Kind1{1, 25});
    registry.deliver([&] { screen().cmdsoln_Click(); });
    const QImage image = render("surds");
    const ui::Control& box = screen().control("Frame2");
    const int bottom = box.top() + box.height() - 8;
    EXPECT_EQ(colourAt(image, box.left() + box.width() / 2, bottom), answerWhite);
    EXPECT_EQ(colourAt(image, box.left() + box.width() / 2, bottom - 30), board);
    int whiteInCaption = 0;
    for (int x = box.left() + 150; x < box.left() + 900; x += 15)
        for (int y = box.top(); y < box.top() + 240; y += 15)
            if (colourAt(image, x, y) == answerWhite) ++whiteInCaption;
    EXPECT_GT(whiteInCaption, 10) << "the caption's letters";
}

}  // namespace
