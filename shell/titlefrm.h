#pragma once
#include <string>

#include "ui/screen.h"

class Registry;

// "opening\start" and the frame number written with three digits.
std::string openingFrameFile(int frame);

// The small grey start-up screen: title, opening picture, credits, "OK" and "Exit".
class Titlefrm : public ui::Screen {
public:
    explicit Titlefrm(Registry& registry);
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

private:
    Registry& registry_;
};
