#include "qt/cover_widget.h"

#include <QPainter>
#include <algorithm>

#include "qt/convert.h"
#include "qt/screen_window.h"
#include "qt/view.h"

namespace ui::qt {

namespace {

// Two tones, white around black, so the ring shows on black topics, the board's blue and the
// title's grey alike.
constexpr int ringWidth = 4;
constexpr int smallestRing = 16;

}  // namespace

CoverWidget::CoverWidget(ScreenWindow& window) : QWidget(&window), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CoverWidget::paintEvent(QPaintEvent*) {
    const Screen* screen = window_.screen();
    if (!screen) return;
    QPainter p(this);
    if (screen->blanked()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const Control* focused = screen->focused();
    if (!focused || !screen->focusShown()) return;
    // Inside the control's box, so a frame or the window's edge never clips it.
    QRect box = toWindow(window_.view(), toPixelRect(screen->areaOf(*focused))).toAlignedRect();
    // A level or upright edge is thinner than a ring: give it room.
    const int growX = std::max(0, smallestRing - box.width() + 1) / 2;
    const int growY = std::max(0, smallestRing - box.height() + 1) / 2;
    box.adjust(-growX, -growY, growX, growY);
    const QRect ring =
        box.adjusted(ringWidth / 2, ringWidth / 2, -(ringWidth + 1) / 2, -(ringWidth + 1) / 2);
    p.setPen(QPen(Qt::white, ringWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(ring);
    p.setPen(QPen(Qt::black, ringWidth / 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(ring.adjusted(ringWidth / 4, ringWidth / 4, -ringWidth / 4, -ringWidth / 4));
}

}  // namespace ui::qt
