#pragma once
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOption>
#include <QStylePainter>

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

    // A caption wider than the box wraps onto the lines below, as the window system's does.
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        QStyleOptionButton mark = option;
        mark.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        p.drawPrimitive(QStyle::PE_IndicatorCheckBox, mark);
        const QRect caption = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = caption;
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
};

}  // namespace ui::qt
