#pragma once
#include <string>

#include "ui/screen.h"

class Registry;

namespace shell {

// "opening\start" and the frame number written with three digits.
std::string openingFrameFile(int frame);

// The small grey start-up screen: title, opening picture, credits, "OK" and "Exit".
class Titlefrm : public ui::Screen {
public:
    explicit Titlefrm(Registry& registry);
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    // Back from the introduction, OK reads "Cancel".
    void offerCancel();

private:
    Registry& registry_;
    ui::Control& frame_;    // Frame1
    ui::Control& picture_;  // Picture1
    ui::Control& ok_;       // Command1
};

}  // namespace shell
