#pragma once
#include "reflections/grid.h"
#include "reflections/question.h"
#include "app/activity.h"

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
    const reflect::GridTables& tables() const { return tables_; }
    const reflect::Question& question() const { return question_; }

private:
    void buildGrid();
    void placeshape(const reflect::VertexTable& shapepoints);
    ui::Control& cross(int k) const;

    int level_ = 1;
    reflect::GridTables tables_;
    reflect::Question question_;
};
