#pragma once
#include <QCheckBox>
#include <QRadioButton>

namespace ui::qt {

// Option buttons and the tick box take a click anywhere in their rectangle, not only on the
// mark and the caption: a short caption must not leave half the row dead.
class OptionWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

class TickWidget : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

}  // namespace ui::qt
