#pragma once
#include <QAccessible>
#include <QImage>
#include <QLineF>
#include <QPen>
#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/screen.h"
#include "ui/surface.h"
#include "ui/view.h"

namespace ui::qt {

class QtPlatform;
class CoverWidget;

// The window of one shown screen. It draws what the model holds (the ground, the picture,
// the drawing surface's strokes, the windowless controls, a widget per windowed control) at
// the model's view, and reports raw pointer input to the model, which decides what it means.
class ScreenWindow : public QWidget, public SurfaceListener {
public:
    ScreenWindow(QtPlatform& platform, Screen& screen);
    ~ScreenWindow() override;

    Screen* screen() const { return screen_; }
    // The screen is going: forget it, so nothing here reaches it again.
    void detach();
    // Brings every widget and the window itself up to date with the model.
    void sync();
    // The view as last applied to this window.
    const View& view() const { return view_; }

    void strokeAdded(const Stroke& stroke) override;
    void surfaceCleared() override;

    QWidget* widgetFor(const Control& c) const;
    // Tells assistive technology the screen's latest announcement.
    void announce();
    QString announcement() const;
    // The screen's readable controls; none once the screen has gone.
    std::vector<Control*> exposedControls() const;
    // The interface of one of them, or of the announcement (null).
    QAccessibleInterface* accessibleFor(Control* c);
    QtPlatform& platform() const { return platform_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void tellFocus();

    std::map<const Control*, QAccessible::Id> accessibles_;
    // What a screen reader was last told has the focus, and its name then.
    const Control* toldFocus_ = nullptr;
    std::string toldName_;
    CoverWidget* cover_;
    void forwardPointer(QMouseEvent* event, PointerAction action);
    void applyTopmost();
    void applyView();
    QWidget* makeWidget(Control& c);
    void syncWidget(Control& c, QWidget* w);
    // The surface's image afresh at the current view, every stroke drawn into it once.
    void redrawSurface();
    QPen penOf(const Stroke& s) const;
    // A stroke in the surface image's logical pixels, at the view's scale.
    QLineF lineOf(const Stroke& s) const;
    // The client area as designed, in logical pixels; the view scales it.
    QSizeF designSize() const;
    QSize surfaceSize() const;

    QtPlatform& platform_;
    Screen* screen_;
    std::uint64_t syncedRevision_ = ~0ULL;
    std::optional<QPoint> placed_;
    bool topmost_ = false;
    std::map<const Control*, QPointer<QWidget>> widgets_;
    std::vector<const Control*> stacking_;
    QImage surface_;
    View view_;
};

}  // namespace ui::qt
