#pragma once
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "qt/view.h"
#include "ui/screen.h"
#include "ui/surface.h"

namespace ui::qt {

class QtPlatform;

enum class MouseAction { Down, Move, Up };

// The window of one shown screen. It draws the screen's ground, picture, drawing surface and
// windowless controls, keeps one widget per windowed control, and hands input to the model.
class ScreenWindow : public QWidget, public SurfaceListener {
public:
    ScreenWindow(QtPlatform& platform, Screen& screen);
    ~ScreenWindow() override;

    Screen* screen() const { return screen_; }
    // The screen is going: forget it, so nothing here reaches it again.
    void detach();
    // Brings every widget and the window itself up to date with the model.
    void sync();
    // Projector mode came or went: size, place and scale everything afresh.
    void viewChanged();
    const View& view() const { return view_; }

    // Pointer input from this window or one of its frames, at the widget's own position.
    void forwardMouse(Control* container, QMouseEvent* event, MouseAction action);

    void drawLine(int x1, int y1, int x2, int y2, Colour colour, int widthPx) override;
    void clearSurface(Colour background) override;

    QWidget* widgetFor(const Control& c) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void bindPresenterKeys();
    void bindProjectorKeys();
    void applyView();
    QWidget* makeWidget(Control& c);
    void syncWidget(Control& c, QWidget* w);
    void freshSurface(Colour background);
    // The client area as designed, in logical pixels; the view scales it.
    QSizeF designSize() const;
    QSize surfaceSize() const;

    QtPlatform& platform_;
    Screen* screen_;
    std::uint64_t syncedRevision_ = ~0ULL;
    std::optional<QPoint> placed_;
    std::map<const Control*, QPointer<QWidget>> widgets_;
    std::vector<const Control*> stacking_;
    QImage surface_;
    View view_;
};

}  // namespace ui::qt
