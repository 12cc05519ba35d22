#pragma once
#include <string>

#include "ui/colour.h"
#include "ui/font.h"

namespace ui {

// A screen as designed, before its Form_Load runs.
struct ScreenDesign {
    std::string caption;
    std::string title;    // what the window is read as where its caption is blank
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    Colour backColour = rgb(192, 192, 192);
    Colour foreColour = rgb(0, 0, 0);
    bool windowButtons = true;  // close, minimise and maximise boxes in the title bar
    Font font;
};

struct TimerDesign {
    std::string name;
    int intervalMs = 0;
    bool enabled = false;
};

}  // namespace ui
