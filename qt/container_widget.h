#pragma once
#include <QPainter>
#include <QWidget>

#include "ui/control.h"

namespace ui::qt {

class ScreenWindow;

// A frame or picture box: its ground, its picture, and the windowless controls inside it,
// clipped to its edges. The pointer passes through it to the window, and so to the model.
class ContainerWidget : public QWidget {
public:
    ContainerWidget(ScreenWindow& window, Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCaptionedBorder(QPainter& p) const;

    ScreenWindow& window_;
    Control& control_;
};

}  // namespace ui::qt
