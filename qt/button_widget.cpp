#include "qt/button_widget.h"

#include <QPainter>

#include "qt/convert.h"
#include "qt/qt_picture.h"

namespace ui::qt {

ButtonWidget::ButtonWidget(const Control& control, QWidget* parent)
    : QAbstractButton(parent), control_(&control) {}

void ButtonWidget::paintEvent(QPaintEvent*) {
    if (!control_) return;
    QPainter p(this);
    const QRect r = rect();
    // Pushed in while held under the pointer (as the model says) or under a key.
    const bool pressed = control_->pressed() || isDown();
    p.fillRect(r, toQColor(control_->backColour()));
    if (const QImage* image = imageOf(control_->picture())) {
        const QSizeF size = QSizeF(image->size()) * scale_;
        const QPointF at((r.width() - size.width()) / 2 + (pressed ? 1 : 0),
                         (r.height() - size.height()) / 2 + (pressed ? 1 : 0));
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(at, size), *image);
    } else {
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(toQFont(control_->font(), scale_));
        p.setPen(isEnabled() ? toQColor(control_->foreColour()) : QColor(128, 128, 128));
        p.drawText(r.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
                   QString::fromStdString(control_->caption()));
    }
    // A raised edge, pressed in while held down.
    const QColor light(255, 255, 255), dark(64, 64, 64);
    p.setPen(pressed ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pressed ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace ui::qt
