#pragma once
#include <string_view>

#include "shell/menu_tabs.h"
#include "ui/screen.h"

class Registry;

namespace shell {

// The maker's site, opened by the link label.
inline constexpr std::string_view makerWebAddress = "https://www.velmora.example/";

// The introduction: product title over the background picture, the tabs to the five topic
// menus, the maker's link and the way back to the title screen.
class intro0 : public ui::Screen {
public:
    explicit intro0(Registry& registry);
    void Form_Load() override;
    void Label2_Click(int index);
    void Command1_Click();
    void Label5_Click();
    void Form_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove(int index);

private:
    Registry& registry_;
    ui::Control& title_;       // Label1
    ui::Control& exitButton_;  // Command1
    ui::Control& logo_;        // Image2
    MenuTabs tabs_;            // Label2
};

}  // namespace shell
