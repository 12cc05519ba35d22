#pragma once
#include <vector>
#include "app/colours.h"

#include "ui/screen.h"

class Registry;

namespace jotting {

// The floating scratch pad: freehand drawing in sixteen colours, an eraser, clear, and a
// switch between a wide pad with tools along the bottom and a tall one with tools at the right.
class jotter : public ui::Screen {
public:
    explicit jotter(Registry& registry);
    void Form_Load() override;
    void Form_MouseDown(int button, int shift, int x, int y);
    void Form_MouseMove(int button, int shift, int x, int y);
    void Label1_Click(int index);
    void Label11_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    // The colour to write in again after erasing.
    ui::Colour penColour = yellow;

private:
    void chooseSwatch(const ui::Control& swatch);

    Registry& registry_;
    ui::Control& landscape_;
    ui::Control& portrait_;
    std::vector<ui::Control*> landscapeSwatches_;  // Label1
    std::vector<ui::Control*> portraitSwatches_;   // Label11
};

}  // namespace jotting
