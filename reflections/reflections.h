#pragma once
#include <vector>

#include "app/activity.h"
#include "reflections/question.h"

namespace reflect {

// The reflections activity: an object on a coordinate grid, a mirror line in words (and,
// at level 2, dashed on request), and four crosses the pupil drags onto the image's corners.
class reflections : public ActivityScreen {
public:
    explicit reflections(Registry& registry);
    void Form_Load() override;

    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void cmdgo_Click();
    void cmdsoln_Click();
    void tmrmessage_Timer();
    // The four crosses share one drag and one snap; `corner` is the one a cross answers, 0..3.
    void cross_MouseMove(int corner, int button, int x, int y);
    void cross_MouseUp(int corner);

    void calculate();
    void resetcrosses();
    void joincrosses();

    int level() const { return level_; }
    const Question& question() const { return question_; }

private:
    void buildGrid();
    bool stepCross(int corner, ui::Key key);
    void stepCross(int corner, int columns, int rows);
    void nameCross(std::size_t corner);
    void placeshape(const VertexTable& shapepoints);

    ui::Control& check1_;
    ui::Control& cmdsoln_;
    ui::Control& questionText_;  // Label3
    ui::Control& mirrorLine_;    // Line9
    // By corner 0..3: the object's disc, the cross that answers it, and the outline edges that
    // leave each of them for the next corner.
    std::vector<ui::Control*> discs_;
    std::vector<ui::Control*> crosses_;
    std::vector<ui::Control*> discEdges_;    // Line1..Line4
    std::vector<ui::Control*> crossEdges_;   // Line5..Line8
    std::vector<ui::Control*> boardBlue_;    // take the board's blue at load
    std::vector<ui::Control*> familyHeads_;  // member 0 of each grid family grown at load

    int level_ = 1;
    Question question_;
};

}  // namespace reflect
