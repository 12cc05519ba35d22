#include <string>

#include "app/colours.h"
#include "hamilton/hamilton.h"
#include "qt/convert.h"
#include "support/qt_fixture.h"

namespace {

const QColor lightCyan = ui::qt::toQColor(basicColour(11));
const QColor chosenYellow = ui::qt::toQColor(basicColour(14));
const QColor ground = ui::qt::toQColor(standardBlue);
const QColor board = ui::qt::toQColor(boardBlue);

class HamiltonRender : public QtAppTest {
protected:
    HamiltonRender() {
        registry.deliver([&] { registry.show("hamilton"); });
        QCoreApplication::processEvents();
    }
    hamiltonian::hamilton& screen() { return registry.screenAs<hamiltonian::hamilton>("hamilton"); }
    QPoint centreOf(int line) {
        const ui::Control& l = screen().control("Line1", line);
        return {static_cast<int>((l.x1() + l.x2()) / 2 / ui::twipsPerPixel),
                static_cast<int>((l.y1() + l.y2()) / 2 / ui::twipsPerPixel)};
    }
};

class HamiltonEdgeRender : public HamiltonRender, public testing::WithParamInterface<int> {};

TEST_P(HamiltonEdgeRender, CentreIsLightCyanThenYellowOnceClicked) {
    const int line = GetParam();
    const QPoint centre = centreOf(line);
    EXPECT_EQ(render("hamilton").pixelColor(centre), lightCyan);
    clickAt(window("hamilton"), centre);
    EXPECT_EQ(screen().edgeSelected()[static_cast<std::size_t>(line)], 1);
    EXPECT_EQ(render("hamilton").pixelColor(centre), chosenYellow);
}

INSTANTIATE_TEST_SUITE_P(Tetrahedron, HamiltonEdgeRender, testing::Range(0, 6),
                         [](const auto& info) { return "line" + std::to_string(info.param); });

TEST_F(HamiltonRender, LinesAreEightPixelsWide) {
    // Line 0 runs level at 6975 twips, 465 pixels down.
    const QImage image = render("hamilton");
    for (int y = 461; y <= 468; ++y) EXPECT_EQ(image.pixelColor(399, y), lightCyan) << y;
    EXPECT_EQ(image.pixelColor(399, 459), ground);
    EXPECT_EQ(image.pixelColor(399, 470), ground);
}

TEST_F(HamiltonRender, OptionButtonsStandOnTheBoardBlue) {
    const QImage image = render("hamilton");
    // Right of each caption, inside the option button, and the frame just below it.
    for (int top : {210, 671, 1132, 1593, 2055}) {
        EXPECT_EQ(colourAt(image, 9570 + 150 + 1800, 2265 + top + 150), board) << top;
        EXPECT_EQ(colourAt(image, 9570 + 1000, 2265 + top + 304 + 60), board) << top;
    }
}

// A short caption leaves most of the row blank: a click there still chooses the solid.
TEST_F(HamiltonRender, OptionRowTakesAClickBesideItsCaption) {
    const QRect cube = rectOf("hamilton", screen().control("Option2"));
    clickAt(window("hamilton"), QPoint(cube.right() - 4, cube.center().y()));
    EXPECT_EQ(screen().solidIndex(), 1);
    EXPECT_EQ(screen().control("Option2").value(), 1);
}

// Lines 3 and 4 meet at the centre vertex (400, 360); just below it both cover the same pixels,
// and line 4, made later, would hide line 3 unless the chosen line comes to the front.
TEST_F(HamiltonRender, ChosenLineShowsOverTheLineItMeets) {
    const QPoint shared(400, 362);
    EXPECT_EQ(render("hamilton").pixelColor(shared), lightCyan);
    clickAt(window("hamilton"), centreOf(3));
    EXPECT_EQ(render("hamilton").pixelColor(shared), chosenYellow);
}

}  // namespace
