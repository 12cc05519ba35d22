#pragma once
#include <QAbstractButton>

#include "ui/control.h"

namespace ui::qt {

// A push button that shows its face colour, a picture centred on it, or its caption.
class ButtonWidget : public QAbstractButton {
public:
    ButtonWidget(const Control& control, QWidget* parent);
    void detach() { control_ = nullptr; }
    // Projector mode draws the picture and the caption larger by this much.
    void setScale(double scale) { scale_ = scale; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Control* control_;
    double scale_ = 1;
};

}  // namespace ui::qt
