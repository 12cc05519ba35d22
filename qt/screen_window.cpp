#include "qt/screen_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include "qt/button_widget.h"
#include "qt/choice_widgets.h"
#include "qt/container_widget.h"
#include "qt/convert.h"
#include "qt/painting.h"
#include "qt/qt_picture.h"
#include "qt/qt_platform.h"

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
    : QWidget(nullptr, flagsFor(screen)), platform_(platform), screen_(&screen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    screen.surface().setListener(this);
    bindPresenterKeys();
    bindProjectorKeys();
}

// F11 puts the screen on view, and every one after it, over the whole display; F11 again or
// Escape brings the design size back.
void ScreenWindow::bindProjectorKeys() {
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F11), this);
    QObject::connect(toggle, &QShortcut::activated, this,
                     [this] { platform_.setProjector(!platform_.projector()); });
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    QObject::connect(leave, &QShortcut::activated, this, [this] { platform_.setProjector(false); });
}

// A presenter's clicker sends Page Down or Right for forward: the activity's next button.
// Its back keys are bound to nothing; the program stays mouse-first.
void ScreenWindow::bindPresenterKeys() {
    for (QKeySequence key : {QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Right)}) {
        auto* forward = new QShortcut(key, this);
        QObject::connect(forward, &QShortcut::activated, this, [this] {
            if (screen_ && platform_.eventSink()) platform_.eventSink()->nextRequested(*screen_);
        });
    }
}

ScreenWindow::~ScreenWindow() { detach(); }

void ScreenWindow::detach() {
    if (!screen_) return;
    screen_->surface().setListener(nullptr);
    screen_ = nullptr;
    for (auto& [control, w] : widgets_)
        if (auto* b = dynamic_cast<ButtonWidget*>(w.data())) b->detach();
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
    QWidget* w = nullptr;
    Platform& platform = platform_;
    switch (c.kind()) {
        case ControlKind::Button: {
            auto* b = new ButtonWidget(c, parent);
            QObject::connect(b, &QAbstractButton::clicked, b,
                             [&platform, &c] { platform.deliver([&c] { c.click(); }); });
            w = b;
            break;
        }
        case ControlKind::OptionButton: {
            auto* r = new OptionWidget(parent);
            QObject::connect(r, &QAbstractButton::clicked, r, [&platform, &c](bool on) {
                if (on) platform.deliver([&c] { c.setValue(1); });
            });
            w = r;
            break;
        }
        case ControlKind::CheckBox: {
            auto* t = new TickWidget(parent);
            QObject::connect(t, &QAbstractButton::clicked, t, [&platform, &c](bool on) {
                platform.deliver([&c, on] { c.setValue(on ? 1 : 0); });
            });
            w = t;
            break;
        }
        case ControlKind::Frame:
        case ControlKind::PictureBox: w = new ContainerWidget(*this, c, parent); break;
        default: return nullptr;
    }
    widgets_[&c] = w;
    return w;
}

void ScreenWindow::syncWidget(Control& c, QWidget* w) {
    // Inside a frame only the scale applies; the frame itself carries the shift.
    const QRectF design = pixelRect(c);
    const QRectF placed = c.container() ? view_.toWindowInside(design) : view_.toWindow(design);
    w->setGeometry(placed.toAlignedRect());
    w->setEnabled(c.enabled());
    w->setFont(toQFont(c.font(), view_.scale));
    if (auto* b = dynamic_cast<ButtonWidget*>(w)) b->setScale(view_.scale);
    w->setToolTip(QString::fromStdString(c.toolTip()));
    w->setFocusPolicy(c.tabStop() ? Qt::StrongFocus : Qt::NoFocus);
    if (auto* b = dynamic_cast<QAbstractButton*>(w)) {
        if (!dynamic_cast<ButtonWidget*>(w)) {
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
        }
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
                target->update((d.container ? view_.toWindowInside(toPixelRect(d.area))
                                            : view_.toWindow(toPixelRect(d.area)))
                                   .toAlignedRect());
        screen_->markDrawn();
        return;
    }
    screen_->markDrawn();
    setWindowTitle(QString::fromStdString(screen_->caption()));
    if (const QImage* icon = imageOf(screen_->icon()))
        setWindowIcon(QPixmap::fromImage(*icon));
    else
        setWindowIcon(QIcon());
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
        stacking_ = std::move(stacking);
    }
    update();
}

void ScreenWindow::viewChanged() {
    syncedRevision_ = ~0ULL;
    placed_.reset();
    sync();
}

// The design size and place; in projector mode the whole display, or for the floating Jotter
// a larger board where it stands.
void ScreenWindow::applyView() {
    const QSizeF design = designSize();
    const QRect display = QWidget::screen() ? QWidget::screen()->geometry() : QRect();
    const bool fillDisplay = platform_.projector() && !screen_->topmost();
    View view;
    if (fillDisplay)
        view = projectorView(display.size(), design);
    else if (platform_.projector())
        view = boardView(display.size(), design);
    if (fillDisplay) {
        // Full screen for a window manager, and the display's rectangle where there is none.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        setGeometry(display);
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
        if (!surface_.isNull()) freshSurface(screen_->backColour());
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
    if (!surface_.isNull()) {
        // The source is in the image's own pixels, which the device pixel ratio multiplies.
        const QRectF target = QRectF(event->rect()).intersected(
            QRectF(view_.offset, QSizeF(surface_.size()) / surface_.devicePixelRatio()));
        const qreal ratio = surface_.devicePixelRatio();
        p.drawImage(target, surface_,
                    QRectF((target.topLeft() - view_.offset) * ratio, target.size() * ratio));
    }
    p.translate(view_.offset);
    p.scale(view_.scale, view_.scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const QImage* picture = imageOf(screen_->picture())) p.drawImage(QPoint(0, 0), *picture);
    paintWindowless(p, *screen_, nullptr, view_.toDesign(event->region()));
}

void ScreenWindow::freshSurface(Colour background) {
    surface_ = QImage(surfaceSize(), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(devicePixelRatioF());
    surface_.fill(toQColor(background));
}

void ScreenWindow::drawLine(int x1, int y1, int x2, int y2, Colour colour, int widthPx) {
    if (surface_.isNull()) freshSurface(screen_ ? screen_->backColour() : Colour{});
    const double scale = view_.scale;
    const QPointF from = QPointF(toPixels(x1), toPixels(y1)) * scale;
    const QPointF to = QPointF(toPixels(x2), toPixels(y2)) * scale;
    QPainter p(&surface_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(toQColor(colour), widthPx * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const int reach = static_cast<int>(widthPx * scale / 2) + 2;
    update(QRectF(from, to).normalized().translated(view_.offset).toAlignedRect().adjusted(
        -reach, -reach, reach, reach));
}

void ScreenWindow::clearSurface(Colour background) {
    freshSurface(background);
    update();
}

void ScreenWindow::forwardMouse(Control* container, QMouseEvent* event, MouseAction action) {
    if (!screen_) return;
    const QPointF at = container ? event->position() / view_.scale : view_.toDesign(event->position());
    MouseEvent e;
    e.shift = shiftOf(event->modifiers());
    e.x = toTwips(at.x());
    e.y = toTwips(at.y());
    Screen* s = screen_;
    if (action == MouseAction::Down) {
        e.button = buttonsOf(event->button());
        platform_.deliver([&] { s->mouseDown(container, e); });
    } else if (action == MouseAction::Move) {
        e.button = buttonsOf(event->buttons());
        platform_.deliver([&] { s->mouseMove(container, e); });
    } else {
        e.button = buttonsOf(event->button());
        platform_.deliver([&] { s->mouseUp(container, e); });
    }
}

void ScreenWindow::mousePressEvent(QMouseEvent* e) { forwardMouse(nullptr, e, MouseAction::Down); }
void ScreenWindow::mouseMoveEvent(QMouseEvent* e) { forwardMouse(nullptr, e, MouseAction::Move); }
void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) { forwardMouse(nullptr, e, MouseAction::Up); }

void ScreenWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (screen_ && platform_.eventSink()) platform_.eventSink()->closeRequested(*screen_);
}

void ScreenWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!isFullScreen()) platform_.noteFrame(frameGeometry(), geometry());
}

}  // namespace ui::qt
