#include "qt/screen_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "qt/accessibility.h"
#include "qt/button_widget.h"
#include "qt/choice_widgets.h"
#include "qt/container_widget.h"
#include "qt/convert.h"
#include "qt/cover_widget.h"
#include "qt/painting.h"
#include "qt/qt_picture.h"
#include "qt/qt_platform.h"
#include "qt/view.h"

namespace ui::qt {

namespace {

Qt::WindowFlags flagsFor(const Screen& s) {
    Qt::WindowFlags f = Qt::Window | Qt::MSWindowsFixedSizeDialogHint;
    if (!s.windowButtons()) f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (s.topmost()) f |= Qt::WindowStaysOnTopHint;
    return f;
}

int buttonsOf(Qt::MouseButtons b) {
    int mask = NoButton;
    if (b & Qt::LeftButton) mask |= LeftButton;
    if (b & Qt::RightButton) mask |= RightButton;
    if (b & Qt::MiddleButton) mask |= MiddleButton;
    return mask;
}

// Whole pixels, as a window has them: a part pixel is dropped.
QSize whole(QSizeF s) { return {static_cast<int>(s.width()), static_cast<int>(s.height())}; }

int shiftOf(Qt::KeyboardModifiers m) {
    int mask = NoShift;
    if (m & Qt::ShiftModifier) mask |= ShiftKey;
    if (m & Qt::ControlModifier) mask |= CtrlKey;
    if (m & Qt::AltModifier) mask |= AltKey;
    return mask;
}

}  // namespace

ScreenWindow::ScreenWindow(QtPlatform& platform, Screen& screen)
    : QWidget(nullptr, flagsFor(screen)), platform_(platform), screen_(&screen),
      topmost_(screen.topmost()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The model holds the keyboard's focus; the window only takes the keys for it.
    setFocusPolicy(Qt::StrongFocus);
    cover_ = new CoverWidget(*this);
    screen.surface().setListener(this);
}

ScreenWindow::~ScreenWindow() { detach(); }

void ScreenWindow::detach() {
    if (!screen_) return;
    screen_->surface().setListener(nullptr);
    screen_ = nullptr;
    for (const auto& [control, id] : accessibles_) QAccessible::deleteAccessibleInterface(id);
    accessibles_.clear();
    for (auto& [control, w] : widgets_) {
        if (!w) continue;
        // Its connections reach the control, which goes with the screen.
        QObject::disconnect(w, nullptr, nullptr, nullptr);
        if (auto* b = dynamic_cast<ButtonWidget*>(w.data())) b->detach();
    }
}

QWidget* ScreenWindow::widgetFor(const Control& c) const {
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* ScreenWindow::makeWidget(Control& c) {
    // A container may come later in the drawing order than what it holds.
    QWidget* parent = this;
    if (Control* holder = c.container()) {
        parent = widgetFor(*holder);
        if (!parent) parent = makeWidget(*holder);
    }
    QAbstractButton* button = nullptr;
    switch (c.kind()) {
        case ControlKind::Button: button = new ButtonWidget(c, parent); break;
        case ControlKind::OptionButton: button = new OptionWidget(parent); break;
        case ControlKind::CheckBox: button = new TickWidget(parent); break;
        case ControlKind::Frame:
        case ControlKind::PictureBox:
            widgets_[&c] = new ContainerWidget(*this, c, parent);
            return widgets_[&c];
        // Drawn by the window itself.
        case ControlKind::Label:
        case ControlKind::Image:
        case ControlKind::Line:
        case ControlKind::Circle: return nullptr;
    }
    // The pointer goes to the window and the model; a widget keeps only its look and focus.
    button->setAttribute(Qt::WA_TransparentForMouseEvents);
    widgets_[&c] = button;
    return button;
}

void ScreenWindow::syncWidget(Control& c, QWidget* w) {
    // Inside a frame only the scale applies; the frame itself carries the shift.
    const QRectF design = pixelRect(c);
    const QRectF placed = c.container() ? toWindowInside(view_, design) : toWindow(view_, design);
    w->setGeometry(placed.toAlignedRect());
    w->setEnabled(c.enabled());
    w->setFont(toQFont(c.font(), view_.scale));
    if (auto* b = dynamic_cast<ButtonWidget*>(w)) b->setScale(view_.scale);
    w->setFocusPolicy(Qt::NoFocus);
    if (auto* b = dynamic_cast<QAbstractButton*>(w); b && !dynamic_cast<ButtonWidget*>(w)) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Window, toQColor(c.backColour()));
        pal.setColor(QPalette::WindowText, toQColor(c.foreColour()));
        pal.setColor(QPalette::ButtonText, toQColor(c.foreColour()));
        b->setPalette(pal);
        // A button fills with the Button role by default: the control's colour is its Window.
        b->setBackgroundRole(QPalette::Window);
        b->setAutoFillBackground(true);
        b->setText(QString::fromStdString(c.caption()));
        const QSignalBlocker quiet(b);
        b->setChecked(c.value() != 0);
        b->setDown(c.pressed());
    }
    w->setVisible(c.visible());
    w->update();
}

void ScreenWindow::sync() {
    if (!screen_ || screen_->revision() == syncedRevision_) return;
    const bool fresh = syncedRevision_ == ~0ULL;
    syncedRevision_ = screen_->revision();
    // Only windowless controls changed: repaint the areas they left and took, nothing more.
    if (!fresh && !screen_->wholeChanged()) {
        for (const Screen::Damage& d : screen_->damaged())
            if (QWidget* target = d.container ? widgetFor(*d.container) : this)
                target->update((d.container ? toWindowInside(view_, toPixelRect(d.area))
                                            : toWindow(view_, toPixelRect(d.area)))
                                   .toAlignedRect());
        screen_->markDrawn();
        tellFocus();
        return;
    }
    screen_->markDrawn();
    setWindowTitle(QString::fromStdString(screen_->caption()));
    applyTopmost();
    applyView();

    std::vector<const Control*> stacking;
    for (const auto& owned : screen_->controls()) {
        Control& c = *owned;
        if (!isWindowed(c.kind())) continue;
        QWidget* w = widgetFor(c);
        if (!w) w = makeWidget(c);
        if (!w) continue;
        syncWidget(c, w);
        stacking.push_back(&c);
    }
    if (stacking != stacking_) {
        for (const Control* c : stacking)
            if (QWidget* w = widgetFor(*c)) w->raise();
        cover_->raise();
        stacking_ = std::move(stacking);
    }
    update();
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
                          QAccessible::registerAccessibleInterface(new ControlAccessible(this, c)))
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
    QAccessibleEvent event(accessibleFor(focused),
                           moved ? QAccessible::Focus : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void ScreenWindow::applyTopmost() {
    if (topmost_ == screen_->topmost()) return;
    topmost_ = screen_->topmost();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost_);
    // Changing a window's flags hides it.
    if (wasVisible) show();
}

// The window at the model's view: the design size where the screen says, or the whole display.
void ScreenWindow::applyView() {
    const View view = screen_->view();
    const QSizeF design = designSize();
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
        setFixedSize(whole(design * view.scale));
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
    if (view != view_ || (!surface_.isNull() && surface_.size() != surfaceSize())) {
        view_ = view;
        redrawSurface();
    }
}

QSizeF ScreenWindow::designSize() const {
    return {toPixels(screen_->clientWidth()), toPixels(screen_->clientHeight())};
}

QSize ScreenWindow::surfaceSize() const {
    return whole(designSize() * view_.scale * devicePixelRatioF());
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!screen_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    p.fillRect(event->rect(), toQColor(screen_->backColour()));
    const QPointF offset = offsetOf(view_);
    if (!surface_.isNull()) {
        // The source is in the image's own pixels, which the device pixel ratio multiplies.
        const QRectF target =
            QRectF(event->rect())
                .intersected(QRectF(offset, QSizeF(surface_.size()) / surface_.devicePixelRatio()));
        const qreal ratio = surface_.devicePixelRatio();
        p.drawImage(target, surface_,
                    QRectF((target.topLeft() - offset) * ratio, target.size() * ratio));
    }
    p.translate(offset);
    p.scale(view_.scale, view_.scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const QImage* picture = imageOf(screen_->picture())) p.drawImage(QPoint(0, 0), *picture);
    paintWindowless(p, *screen_, nullptr, toDesign(view_, event->region(), offset));
}

void ScreenWindow::redrawSurface() {
    const Surface& surface = screen_->surface();
    if (surface.untouched()) {
        surface_ = QImage();
        return;
    }
    surface_ = QImage(surfaceSize(), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(devicePixelRatioF());
    surface_.fill(toQColor(screen_->surfaceColour()));
    QPainter p(&surface_);
    p.setRenderHint(QPainter::Antialiasing);
    // The pen is set only where it changes: a drawing is long runs of one pen.
    const Stroke* previous = nullptr;
    for (const Stroke& s : surface.strokes()) {
        if (!previous || s.colour != previous->colour || s.widthPx != previous->widthPx)
            p.setPen(penOf(s));
        p.drawLine(lineOf(s));
        previous = &s;
    }
}

QPen ScreenWindow::penOf(const Stroke& s) const {
    return QPen(toQColor(s.colour), s.widthPx * view_.scale, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

QLineF ScreenWindow::lineOf(const Stroke& s) const {
    return {QPointF(toPixels(s.x1), toPixels(s.y1)) * view_.scale,
            QPointF(toPixels(s.x2), toPixels(s.y2)) * view_.scale};
}

// One segment into the image and a repaint of just its rectangle: a move costs the same
// however long the drawing is.
void ScreenWindow::strokeAdded(const Stroke& s) {
    if (!screen_) return;
    if (surface_.isNull()) {
        redrawSurface();
        update();
        return;
    }
    QPainter p(&surface_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(penOf(s));
    const QLineF line = lineOf(s);
    p.drawLine(line);
    const int reach = static_cast<int>(s.widthPx * view_.scale / 2) + 2;
    update(QRectF(line.p1(), line.p2())
               .normalized()
               .translated(offsetOf(view_))
               .toAlignedRect()
               .adjusted(-reach, -reach, reach, reach));
}

void ScreenWindow::surfaceCleared() {
    if (!screen_) return;
    redrawSurface();
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

void ScreenWindow::resizeEvent(QResizeEvent*) { cover_->setGeometry(rect()); }

void ScreenWindow::mousePressEvent(QMouseEvent* e) { forwardPointer(e, PointerAction::Press); }
void ScreenWindow::mouseMoveEvent(QMouseEvent* e) { forwardPointer(e, PointerAction::Move); }
void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) { forwardPointer(e, PointerAction::Release); }

bool ScreenWindow::event(QEvent* event) {
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

void ScreenWindow::announce() {
    if (!QAccessible::isActive() || announcement().isEmpty()) return;
    QAccessibleEvent named(accessibleFor(nullptr), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent alert(accessibleFor(nullptr), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace ui::qt
