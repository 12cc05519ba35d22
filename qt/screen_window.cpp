#include "qt/screen_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "qt/accessibility.h"
#include "qt/convert.h"
#include "qt/painter.h"
#include "qt/qt_platform.h"
#include "ui/repaint_reach.h"

namespace ui::qt {

namespace {

Qt::WindowFlags flagsFor(const Screen& s) {
    Qt::WindowFlags f = Qt::Window | Qt::MSWindowsFixedSizeDialogHint;
    if (!s.windowButtons()) f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (s.topmost()) f |= Qt::WindowStaysOnTopHint;
    return f;
}

int buttonsOf(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? LeftButton : NoButton) | (b & Qt::RightButton ? RightButton : 0) |
           (b & Qt::MiddleButton ? MiddleButton : 0);
}

int shiftOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? ShiftKey : NoShift) | (m & Qt::ControlModifier ? CtrlKey : 0) |
           (m & Qt::AltModifier ? AltKey : 0);
}

Key keyOf(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Backtab && e.modifiers() == Qt::ShiftModifier) return Key::BackTab;
    if (e.modifiers() & ~Qt::KeypadModifier) return Key::Other;
    // Qt's key codes run to the thousands: a table, not a switch.
    static const std::pair<int, Key> keys[] = {
        {Qt::Key_PageDown, Key::PageDown}, {Qt::Key_Right, Key::Right},
        {Qt::Key_Left, Key::Left},         {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},         {Qt::Key_F11, Key::F11},
        {Qt::Key_Escape, Key::Escape},     {Qt::Key_Tab, Key::Tab},
        {Qt::Key_Return, Key::Enter},      {Qt::Key_Enter, Key::Enter},
        {Qt::Key_Space, Key::Space},       {Qt::Key_B, Key::B},
        {Qt::Key_Period, Key::Period}};
    for (const auto& [qtKey, key] : keys)
        if (e.key() == qtKey) return key;
    return Key::Other;
}

}  // namespace

ScreenWindow::ScreenWindow(QtPlatform& platform, Screen& screen)
    : QWidget(nullptr, flagsFor(screen)), platform_(platform), screen_(&screen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The model holds the keyboard's focus; the window only takes the keys for it.
    setFocusPolicy(Qt::StrongFocus);
    screen.surface().setListener(this);
}

ScreenWindow::~ScreenWindow() { detach(); }

void ScreenWindow::detach() {
    if (!screen_) return;
    screen_->surface().setListener(nullptr);
    screen_ = nullptr;
    list_.reset();
    for (const auto& [control, id] : accessibles_) QAccessible::deleteAccessibleInterface(id);
    accessibles_.clear();
}

void ScreenWindow::sync() {
    if (!screen_ || screen_->revision() == syncedRevision_) return;
    const bool fresh = syncedRevision_ == ~0ULL;
    syncedRevision_ = screen_->revision();
    const Repaint repaint = repaintOf(*screen_);
    screen_->markDrawn();
    if (fresh || repaint.whole) {
        setWindowTitle(QString::fromStdString(screen_->caption()));
        if (screen_->topmost() != windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            const bool wasVisible = isVisible();
            setWindowFlag(Qt::WindowStaysOnTopHint, screen_->topmost());
            // Changing a window's flags hides it.
            if (wasVisible) show();
        }
        applyView();
        update();
    } else {
        for (const PixelRect& a : repaint.areas)
            update(QRectF(a.left, a.top, a.width, a.height).toAlignedRect());
    }
    tellFocus();
}

std::vector<Control*> ScreenWindow::exposedControls() const {
    return screen_ ? screen_->readable() : std::vector<Control*>();
}

QAccessibleInterface* ScreenWindow::accessibleFor(Control* c) {
    auto it = accessibles_.find(c);
    if (it == accessibles_.end())
        it = accessibles_
                 .emplace(c,
                          QAccessible::registerAccessibleInterface(makeControlAccessible(this, c)))
                 .first;
    return QAccessible::accessibleInterface(it->second);
}

// A screen reader follows the focus, and says again the focused item's name when it changes
// (an edge chosen by Space).
void ScreenWindow::tellFocus() {
    Control* focused = screen_ ? screen_->focused() : nullptr;
    const std::string name = focused ? focused->accessibleName() : std::string();
    if (focused == toldFocus_ && name == toldName_) return;
    const bool moved = focused != toldFocus_;
    toldFocus_ = focused;
    toldName_ = name;
    if (!focused || !QAccessible::isActive()) return;
    if (!moved) return tellNameChanged(accessibleFor(focused));
    QAccessibleEvent event(accessibleFor(focused), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// The window at the model's view: the design size where the screen says, or the whole display.
void ScreenWindow::applyView() {
    const View view = screen_->view();
    if (view.fillsDisplay) {
        const QScreen* display = QGuiApplication::primaryScreen();
        // Full screen for a window manager, and the display's rectangle where there is none.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        if (display) setGeometry(display->geometry());
        placed_.reset();
    } else {
        const bool wasFullScreen = isFullScreen();
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        const PixelRect area = windowArea(*screen_, {});
        setFixedSize(static_cast<int>(area.width), static_cast<int>(area.height));
        // Only a change of the screen's own place moves the window: one the user dragged stays.
        const QPoint place(static_cast<int>(toPixels(screen_->left())),
                           static_cast<int>(toPixels(screen_->top())));
        if (place != placed_) {
            // Leaving full screen the frame is not back yet, so place the client area itself.
            if (wasFullScreen)
                setGeometry(QRect(place + platform_.clientOffset(), size()));
            else
                move(place);
            placed_ = place;
        }
    }
}

const DisplayList& ScreenWindow::displayList() {
    const PixelRect window{0, 0, static_cast<double>(width()), static_cast<double>(height())};
    const double ratio = devicePixelRatioF();
    if (!list_ || listRevision_ != screen_->revision() || list_->window != window ||
        listRatio_ != ratio) {
        list_ = ui::displayList(*screen_, window, ratio, measure_);
        listRevision_ = screen_->revision();
        listRatio_ = ratio;
    }
    return *list_;
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!screen_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const QRegion& region = event->region();
    // One rectangle clips plainly on the window itself. Under a region of many, every clip would
    // be a mask: paint into a frame of the window's own first, then copy the region across.
    if (region.rectCount() == 1) return paint(p, displayList(), region, &strokes_);
    const qreal ratio = devicePixelRatioF();
    if (frame_.size() != size() * ratio || frame_.devicePixelRatio() != ratio) {
        frame_ = QImage(size() * ratio, QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio);
    }
    QPainter onFrame(&frame_);
    paint(onFrame, displayList(), region, &strokes_);
    for (const QRect& part : region)
        p.drawImage(part, frame_,
                    QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
}

void ScreenWindow::strokeAdded(const Stroke& s) {
    if (!screen_) return;
    if (strokes_.add(s)) {
        const PixelRect r = reachOf(s, screen_->view());
        return update(QRectF(r.left, r.top, r.width, r.height).toAlignedRect());
    }
    // The first stroke on a bare surface: the list gains the drawing.
    list_.reset();
    update();
}

void ScreenWindow::surfaceCleared() {
    if (!screen_) return;
    strokes_.clear();
    list_.reset();
    update();
}

void ScreenWindow::forwardPointer(QMouseEvent* event, PointerAction action) {
    if (!screen_) return;
    const Qt::MouseButtons buttons =
        action == PointerAction::Move ? event->buttons() : Qt::MouseButtons(event->button());
    const PointerEvent e{action, buttonsOf(buttons), shiftOf(event->modifiers()),
                         event->position().x() * twipsPerPixel,
                         event->position().y() * twipsPerPixel};
    Screen* s = screen_;
    platform_.deliver([&] { s->pointer(e); });
}

void ScreenWindow::mousePressEvent(QMouseEvent* e) { forwardPointer(e, PointerAction::Press); }
void ScreenWindow::mouseMoveEvent(QMouseEvent* e) { forwardPointer(e, PointerAction::Move); }
void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) { forwardPointer(e, PointerAction::Release); }

bool ScreenWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && screen_ && platform_.eventSink())
        platform_.eventSink()->windowActivated(*screen_);
    // Qt tells a screen reader that the window has the focus; then it hears where in it.
    if (event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(
            this,
            [this] {
                toldFocus_ = nullptr;
                tellFocus();
            },
            Qt::QueuedConnection);
    // A key the program binds goes to the model, before Qt's own use of it (Tab's focus chain).
    if (event->type() == QEvent::KeyPress) {
        const Key key = keyOf(*static_cast<QKeyEvent*>(event));
        if (screen_ && key != Key::Other && platform_.eventSink() &&
            platform_.eventSink()->keyPressed(*screen_, key))
            return true;
    }
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    // The model says which button the pointer is over; its hover text shows.
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::string text = screen_ ? screen_->toolTipAt(help->pos().x() * twipsPerPixel,
                                                          help->pos().y() * twipsPerPixel)
                                     : std::string();
    if (text.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), this);
    return true;
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (screen_ && platform_.eventSink()) platform_.eventSink()->closeRequested(*screen_);
}

void ScreenWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!isFullScreen()) platform_.noteFrame(frameGeometry(), geometry());
}

QString ScreenWindow::announcement() const {
    return screen_ ? QString::fromStdString(screen_->announcement()) : QString();
}

void ScreenWindow::introduce() {
    QAccessible::State active;
    active.active = true;
    QAccessibleStateChangeEvent activated(this, active);
    QAccessible::updateAccessibility(&activated);
    announce();
}

void ScreenWindow::announce() {
    if (!QAccessible::isActive() || announcement().isEmpty()) return;
    // Shown afresh for each, a notification is said again even where its words repeat.
    QAccessibleEvent shown(accessibleFor(nullptr), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace ui::qt
