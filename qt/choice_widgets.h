#pragma once
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOption>
#include <QStylePainter>

namespace ui::qt {

// Option buttons and the tick box show the model's value: activating one asks the model,
// which decides what it becomes (and which other option it clears), never Qt.
class OptionWidget : public QRadioButton {
public:
    explicit OptionWidget(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

protected:
    void nextCheckState() override {}
};

class TickWidget : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}

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
