// Every text the questions can show fits its label in the shipped font, and every root bar
// covers its radicand's drawn characters and runs above them.
#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "qt/fonts.h"
#include "support/kit.h"
#include "support/qt_fixture.h"
#include "surds/surds.h"

namespace {

using namespace surd;

constexpr double px = ui::twipsPerPixel;

// A root bar and the label, or the first characters of it, that stands under it.
struct Covered {
    const char* line;
    int bar;
    const char* label;
    int characters = -1;  // all of them
};

const Covered roots[] = {
    {"Line1", 7, "Label1"},      {"Line1", 8, "Label1"},      {"Line1", 0, "Label1"},
    {"Line1", 42, "Label1"},     {"Line1", 6, "Label2"},      {"Line1", 3, "Label2"},
    {"Line1", 9, "Label4"},      {"Line1", 15, "Label7"},     {"Line1", 48, "Label7"},
    {"Line1", 19, "Label11"},    {"Line1", 47, "Label11"},    {"Line1", 26, "Label10"},
    {"Line1", 30, "Label13"},    {"Line1", 34, "Label16"},    {"Line1", 37, "Label23"},
    {"Line1", 36, "Label27"},    {"Line1", 43, "Label29"},    {"Line2", 2, "Label37"},
    {"Line2", 5, "Label36"},     {"Line2", 8, "Label41", 5},  {"Line2", 11, "Label40", 1},
    {"Line2", 14, "Label42", 1}, {"Line2", 17, "Label43", 1}, {"Line2", 20, "Label45", 1},
    {"Line2", 23, "Label44", 5}, {"Line2", 26, "Label47", 1}, {"Line2", 29, "Label49"},
    {"Line2", 32, "Label48", 2}, {"Line2", 35, "Label53"},    {"Line2", 35, "Label55"},
    {"Line2", 38, "Label52"},    {"Line2", 41, "Label54"},
};

// A line of a label's text as the display list places it: the start of its baseline in pixels
// from the label's own top left corner (on whole pixels, as it is drawn), and its font.
struct Placed {
    QString text;
    QFont font;
    double left;
    double baseline;
    // The outline of the text, or of its first characters, from the start of its baseline.
    QRectF ink(const QString& part) const {
        QPainterPath outline;
        outline.addText(0, 0, font, part);
        return outline.boundingRect();
    }
};

// A control's top left corner in the window: each container's on a whole pixel, and the
// control's own rounded from there.
QPointF cornerOf(const ui::Control& c) {
    const QPointF outer = c.container() ? cornerOf(*c.container()) : QPointF();
    return {std::round(outer.x() + c.left() / px), std::round(outer.y() + c.top() / px)};
}

std::vector<Placed> placed(const ui::DisplayList& list, const ui::Control& label) {
    const QPointF corner = cornerOf(label);
    std::vector<Placed> lines;
    for (const ui::Primitive& p : list.items)
        if (p.control == &label && p.kind == ui::Primitive::Kind::Text)
            lines.push_back({QString::fromStdString(p.text), ui::qt::toQFont(p.face),
                             p.x1 - corner.x(), p.y1 - corner.y()});
    return lines;
}

class SurdsFit : public QtAppTest {
protected:
    SurdsFit() {
        registry.deliver([&] { registry.show("surds"); });
    }
    surds& screen() { return registry.screenAs<surds>("surds"); }

    template <class Q>
    void askAndSolve(const Q& q) {
        registry.deliver([&] {
            screen().makevisible();
            screen().pose(q);
            screen().cmdsoln_Click();
        });
        const ui::DisplayList list = ui::displayList(screen(), {0, 0, 792, 566}, 1, measure);
        checkLabels(list);
        checkRoots(list);
    }

    // Clipped: the advance wider than the label, or ink outside it.
    void checkLabels(const ui::DisplayList& list) {
        for (const auto& owned : screen().controls()) {
            const ui::Control& c = *owned;
            if (c.kind() != ui::ControlKind::Label || !kit::onView(c) || c.caption().empty())
                continue;
            const std::vector<Placed> lines = placed(list, c);
            if (lines.empty()) clipped.insert(c.name() + " not drawn");
            for (const Placed& at : lines) {
                const QRectF ink = at.ink(at.text);
                if (at.left < 0 || at.left + ink.left() < 0 ||
                    at.left + ink.right() > c.width() / px || at.baseline + ink.top() < 0 ||
                    at.baseline + ink.bottom() > c.height() / px)
                    clipped.insert(c.name() + " \"" + c.caption() + "\"");
            }
        }
    }

    void checkRoots(const ui::DisplayList& list) {
        for (const Covered& r : roots) {
            const ui::Control& bar = screen().control(r.line, r.bar);
            const ui::Control& label = screen().control(r.label);
            if (!kit::onView(bar) || !kit::onView(label)) continue;
            const std::vector<Placed> lines = placed(list, label);
            if (lines.empty()) continue;
            const Placed& at = lines.front();
            const QString text = at.text.left(r.characters);
            const QRectF ink = at.ink(text);
            const double left = label.left() / px + at.left + ink.left();
            const double right = label.left() / px + at.left + ink.right();
            const double top = label.top() / px + at.baseline + ink.top();
            const double barBottom = bar.y1() / px + bar.borderWidth() / 2.0;
            // The ink may start under the rising stroke, which meets the bar at its left end.
            if (left < bar.x1() / px - bar.borderWidth() || right > bar.x2() / px ||
                barBottom > top)
                uncovered.insert(r.line + std::to_string(r.bar) + " over " + r.label + " \"" +
                                 text.toStdString() + "\"");
        }
    }

    ui::qt::FontMeasure measure;
    std::set<std::string> clipped;
    std::set<std::string> uncovered;
};

TEST_F(SurdsFit, EveryQuestionAndAnswerOfKinds1To4) {
    for (int c = 1; c <= 9; ++c) {
        for (int n = 2; n <= kind1Limit(c); ++n) askAndSolve(Kind1{c, n});
        for (int a = 1; a <= 9; ++a) askAndSolve(Kind2{c, a});
    }
    for (int c = 1; c <= 2; ++c)
        for (int a = 1; a <= 9; ++a)
            for (int b = 2; b <= 19; ++b)
                if (kind3Allows(b)) askAndSolve(Kind3{c, a, b});
    for (int c = 1; c <= 4; ++c)
        for (int a = 1; a <= 9; ++a)
            for (int b = 2; b <= 8; ++b)
                for (int e = 1; e <= 9; ++e)
                    if (kind4Allows(Kind4{c, a, b, e})) askAndSolve(Kind4{c, a, b, e});
    EXPECT_TRUE(clipped.empty()) << testing::PrintToString(clipped);
    EXPECT_TRUE(uncovered.empty()) << testing::PrintToString(uncovered);
}

// The line between m and x and the two roots are apart: each meets all its values.
TEST_F(SurdsFit, EveryPuzzleSheet) {
    for (int m = 2; m <= 9; ++m)
        for (int x = 2; x <= 9; ++x)
            if (kind5Allows(Kind5{m, x, 2, 3})) askAndSolve(Kind5{m, x, 2, 3});
    for (int k = 2; k <= 9; ++k)
        for (int y = 2; y <= 9; ++y)
            if (kind5Allows(Kind5{9, 8, k, y})) askAndSolve(Kind5{9, 8, k, y});
    EXPECT_TRUE(clipped.empty()) << testing::PrintToString(clipped);
    EXPECT_TRUE(uncovered.empty()) << testing::PrintToString(uncovered);
}

}  // namespace
