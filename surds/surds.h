#pragma once
#include "surds/surd_questions.h"
#include "app/activity.h"

// The surds activity: questions of five kinds drawn at random, shown with root signs and
// fraction bars made of lines, and their worked answers on request.
class surds : public ActivityScreen {
public:
    explicit surds(Registry& registry);
    void Form_Load() override;

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void cmdgo_Click();
    void cmdsoln_Click();
    void calculate();
    void makevisible();

    // Writes a question of chosen numbers, and its hidden answer, as calculate does a drawn one.
    void pose(const surd::Kind1& q);
    void pose(const surd::Kind2& q);
    void pose(const surd::Kind3& q);
    void pose(const surd::Kind4& q);
    void pose(const surd::Kind5& q);

    int questionKind = 1;
    int questionCase = 0;
    int firstValue = 0;
    int secondValue = 0;

private:
    void chooseKind(int kind);
    ui::Control& line(int i) const { return control("Line1", i); }
    void setText(const char* label, int value) const;
};
