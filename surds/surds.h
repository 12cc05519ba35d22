#pragma once
#include <map>
#include <vector>

#include "app/activity.h"
#include "surds/surd_questions.h"

namespace surd {

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
    void pose(const Question& q);

    const Question& question() const { return question_; }

private:
    void chooseKind(const Question& kind);
    void write(const Kind1& q);
    void write(const Kind2& q);
    void write(const Kind3& q);
    void write(const Kind4& q);
    void write(const Kind5& q);
    bool isMathsFrame(const ui::Control& c) const;
    void nameMathsFrames();
    void showAnswer(const Kind1& q);
    void showAnswer(const Kind2& q);
    void showAnswer(const Kind3& q);
    void showAnswer(const Kind4& q);
    void showAnswer(const Kind5& q);

    ui::Control& line(int i) const { return *line1_.at(static_cast<std::size_t>(i)); }
    ui::Control& frame(int n) const { return *frames_.at(static_cast<std::size_t>(n - 1)); }
    ui::Control& label(int n) const { return *labels_.at(n); }
    void setText(int labelNumber, int value) const;

    Question question_;
    ui::Control& cmdgo_;
    ui::Control& cmdjotter_;
    ui::Control& cmdsoln_;
    ui::Control& cmdexit_;
    std::vector<ui::Control*> options_;  // Option1 to Option5
    std::vector<ui::Control*> frames_;   // Frame1 to Frame12
    std::vector<ui::Control*> line1_;
    std::map<int, ui::Control*> labels_;  // by the number in their names
};

}  // namespace surd
