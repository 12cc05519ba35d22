#include "app/toolbar.h"

#include "ui/picture_files.h"
#include "ui/screen.h"

namespace {

struct ToolbarPicture {
    const char* button;
    const char* file;
    const char* name;  // what a screen reader calls the picture
};

constexpr ToolbarPicture toolbarPictures[] = {
    {"cmdexit", "Images\\exit.jpg", "Exit"},         {"cmdgo", "Images\\next.jpg", "Next"},
    {"cmdsoln", "Images\\solution.jpg", "Solution"}, {"Cmdcheckit", "images\\check.jpg", "Check"},
    {"cmdjotter", "Images\\jotter.jpg", "Jotter"},
};

constexpr int column = 10050;
constexpr int buttonWidth = 1785;
constexpr int buttonHeight = 495;
constexpr int bottomRow = 7950;

// Places a button: its size, its left, and its top when the one it stacks on is there.
void place(ui::Control* button, int left, const int* top) {
    if (!button) return;
    button->setHeight(buttonHeight);
    button->setWidth(buttonWidth);
    button->setLeft(left);
    if (top) button->setTop(*top);
    button->setTabStop(false);
}

}  // namespace

void applyActivityToolbar(ui::Screen& screen) {
    for (const ToolbarPicture& p : toolbarPictures)
        if (ui::Control* button = screen.findIgnoringCase(p.button)) {
            button->setAccessibleName(p.name);
            if (auto picture = ui::loadPicture(screen.platform(), p.file))
                button->setPicture(*picture);
        }

    ui::Control* go = screen.findIgnoringCase("cmdgo");
    ui::Control* jotter = screen.findIgnoringCase("cmdjotter");
    ui::Control* soln = screen.findIgnoringCase("cmdsoln");
    ui::Control* check = screen.findIgnoringCase("Cmdcheckit");
    ui::Control* exit = screen.findIgnoringCase("cmdexit");

    // The column is built upwards from the next button, each directly on the one below;
    // a top that reads a missing button is skipped and the design's top stays.
    place(go, column, &bottomRow);
    int jotterTop = go ? go->top() - buttonHeight : 0;
    place(jotter, column, go ? &jotterTop : nullptr);
    int solnTop = jotter ? jotter->top() - buttonHeight : 0;
    place(soln, column, jotter ? &solnTop : nullptr);
    int checkTop = soln ? soln->top() - buttonHeight : 0;
    place(check, column, soln ? &checkTop : nullptr);
    place(exit, 60, &bottomRow);
}

void placeExitButton(ui::Control& button) {
    button.setAccessibleName("Exit");
    if (auto picture = ui::loadPicture(button.screen().platform(), "Images\\exit.jpg"))
        button.setPicture(*picture);
    button.setWidth(buttonWidth);
    button.setHeight(buttonHeight);
    button.setLeft(60);
    button.setTop(bottomRow);
}
