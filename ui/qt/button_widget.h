#pragma once
#include <QAbstractButton>

#include "ui/control.h"

namespace ui::qt {

// A push button that shows its face colour, a picture centred on it, or its caption.
class ButtonWidget : public QAbstractButton {
public:
    ButtonWidget(const Control& control, QWidget* parent);
    void detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Control* control_;
};

}  // namespace ui::qt
