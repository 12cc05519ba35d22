#include "ui/qt/container_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/convert.h"
#include "ui/qt/painting.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/screen_window.h"

namespace ui::qt {

ContainerWidget::ContainerWidget(ScreenWindow& window, Control& control, QWidget* parent)
    : QWidget(parent), window_(window), control_(control) {
    setMouseTracking(true);
    // It fills all of itself: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ContainerWidget::paintEvent(QPaintEvent* event) {
    if (!window_.screen()) return;
    QPainter p(this);
    p.fillRect(rect(), toQColor(control_.backColour()));
    if (const QImage* image = imageOf(control_.picture())) p.drawImage(QPoint(0, 0), *image);
    paintWindowless(p, *window_.screen(), &control_, event->region());
}

void ContainerWidget::mousePressEvent(QMouseEvent* e) { window_.forwardMouse(&control_, e, MouseAction::Down); }
void ContainerWidget::mouseMoveEvent(QMouseEvent* e) { window_.forwardMouse(&control_, e, MouseAction::Move); }
void ContainerWidget::mouseReleaseEvent(QMouseEvent* e) { window_.forwardMouse(&control_, e, MouseAction::Up); }

}  // namespace ui::qt
