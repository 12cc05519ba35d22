#include <ostream>
#include <vector>

#include "app/colours.h"
#include "jotter/jotter.h"
#include "support/app_fixture.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;

struct Step {
    const char* control;
    int index = -1;
};

struct PenCase {
    const char* name;
    std::vector<Step> steps;
    ui::Colour pen;
    int width;
    ui::Colour returnTo;  // the screen's penColour
};

class JotterPen : public AppTest, public ::testing::WithParamInterface<PenCase> {};

TEST_P(JotterPen, StateAfterSteps) {
    const PenCase& c = GetParam();
    auto& pad = registry.screenAs<jotting::jotter>("jotter");
    // Each click lands where the control is: the portrait tools only once flipped to them.
    for (const Step& s : c.steps) click("jotter", s.control, s.index);
    EXPECT_EQ(pad.surface().penColour(), c.pen);
    EXPECT_EQ(pad.surface().penWidth(), c.width);
    EXPECT_EQ(pad.penColour, c.returnTo);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, JotterPen,
    ::testing::Values(
        PenCase{"AtLoad", {}, yellow, 3, yellow},
        PenCase{"Swatch", {{"Label1", 4}}, basicColour(4), 3, basicColour(4)},
        PenCase{
            "PortraitSwatch", {{"Command3"}, {"Label11", 12}}, basicColour(12), 3, basicColour(12)},
        PenCase{
            "EraseRemembersColour", {{"Label1", 2}, {"Command5"}}, boardBlue, 30, basicColour(2)},
        PenCase{
            "SwatchWhileErasing", {{"Command5"}, {"Label1", 9}}, basicColour(9), 3, basicColour(9)},
        PenCase{"PortraitSwatchWhileErasing",
                {{"Command3"}, {"Command8"}, {"Label11", 0}},
                basicColour(0),
                3,
                basicColour(0)},
        PenCase{"WriteAfterErase",
                {{"Label1", 12}, {"Command5"}, {"Command2"}},
                basicColour(12),
                3,
                basicColour(12)},
        PenCase{"PortraitWriteAfterErase",
                {{"Command3"}, {"Label11", 3}, {"Command8"}, {"Command10"}},
                basicColour(3),
                3,
                basicColour(3)},
        PenCase{"ClearWhileErasing",
                {{"Label1", 1}, {"Command5"}, {"Command6"}},
                yellow,
                3,
                basicColour(1)},
        PenCase{"PortraitClearWhileErasing",
                {{"Command3"}, {"Label11", 5}, {"Command8"}, {"Command7"}},
                yellow,
                3,
                basicColour(5)},
        PenCase{
            "ClearWhileWriting", {{"Label1", 1}, {"Command6"}}, basicColour(1), 3, basicColour(1)},
        PenCase{"ClearAfterWriteKeepsColour",
                {{"Label1", 6}, {"Command5"}, {"Command2"}, {"Command6"}},
                basicColour(6),
                3,
                basicColour(6)},
        // A second Erase keeps the colour Write returns to: Write never writes invisibly.
        PenCase{"EraseTwiceThenWrite",
                {{"Label1", 5}, {"Command5"}, {"Command5"}, {"Command2"}},
                basicColour(5),
                3,
                basicColour(5)},
        PenCase{"EraseBothFramesThenWrite",
                {{"Command3"},
                 {"Label11", 9},
                 {"Command8"},
                 {"Command4"},
                 {"Command5"},
                 {"Command3"},
                 {"Command10"}},
                basicColour(9),
                3,
                basicColour(9)}),
    kit::byName);

}  // namespace
