#include "qt/container_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/convert.h"
#include "qt/painting.h"
#include "qt/qt_picture.h"
#include "qt/screen_window.h"
#include "qt/view.h"

namespace ui::qt {

ContainerWidget::ContainerWidget(ScreenWindow& window, Control& control, QWidget* parent)
    : QWidget(parent), window_(window), control_(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It fills all of itself: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ContainerWidget::paintEvent(QPaintEvent* event) {
    if (!window_.screen()) return;
    QPainter p(this);
    p.fillRect(rect(), toQColor(control_.backColour()));
    const double scale = window_.view().scale;
    p.scale(scale, scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const QImage* image = imageOf(control_.picture())) p.drawImage(QPoint(0, 0), *image);
    if (!control_.caption().empty()) paintCaptionedBorder(p);
    paintWindowless(p, *window_.screen(), &control_, toDesign(window_.view(), event->region(), {}));
}

// A frame with a caption: a border in its text colour, broken at the top left by the caption.
void ContainerWidget::paintCaptionedBorder(QPainter& p) const {
    const QFont font = toQFont(control_.font());
    const QFontMetrics metrics(font);
    const QString caption = QString::fromStdString(control_.caption());
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    p.setPen(toQColor(control_.foreColour()));
    // In the design's pixels: the painter carries the projector's scale.
    const QSizeF design = QSizeF(size()) / window_.view().scale;
    p.drawRect(
        QRectF(0, text.height() / 2, design.width() - 1, design.height() - text.height() / 2 - 1));
    p.fillRect(text, toQColor(control_.backColour()));
    p.setFont(font);
    p.drawText(text, Qt::AlignCenter, caption);
}

}  // namespace ui::qt
