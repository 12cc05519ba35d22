#pragma once
#include <QWidget>

namespace ui::qt {

class ScreenWindow;

// Drawn above everything in a screen's window: the keyboard's focus ring while the keyboard
// is in use, and black over the whole window while the display is blanked.
class CoverWidget : public QWidget {
public:
    explicit CoverWidget(ScreenWindow& window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenWindow& window_;
};

}  // namespace ui::qt
