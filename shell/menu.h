#pragma once
#include <string>
#include <vector>

#include "shell/menu_tabs.h"
#include "ui/screen.h"

class Registry;

namespace shell {

// A topic menu, `menu1` to `menu5` by its number: title, the column of topics (greyed but
// for the activities this volume carries), the tabs to the other menus and the way back to
// the introduction.
class TopicMenu : public ui::Screen {
public:
    TopicMenu(Registry& registry, int number);
    void Form_Load() override;
    void Label2_Click(int index);
    void Label3_Click(int index);
    void Command1_Click();
    void Form_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove(int index);

    int number() const { return number_; }

private:
    bool activityOpen() const;

    Registry& registry_;
    int number_;
    ui::Control& title_;                // Label1
    ui::Control& exitButton_;           // Command1
    std::vector<ui::Control*> topics_;  // Label3, member 0 until the rest are made at load
    ui::Control* prize_;                // Label4, on the third menu only
    MenuTabs tabs_;                     // Label2
};

// "menu1" to "menu5".
std::string menuName(int number);

}  // namespace shell
