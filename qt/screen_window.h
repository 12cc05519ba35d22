#pragma once
#include <QAccessible>
#include <QWidget>
#include <map>
#include <optional>
#include <string>

#include "qt/fonts.h"
#include "qt/painter.h"
#include "ui/screen.h"

namespace ui::qt {

class QtPlatform;

// The window of one shown screen. It paints the model's display list at the model's view and
// reports raw pointer input and keys to the model, which decides what they mean.
class ScreenWindow : public QWidget, public SurfaceListener {
public:
    ScreenWindow(QtPlatform& platform, Screen& screen);
    ~ScreenWindow() override;

    Screen* screen() const { return screen_; }
    QtPlatform& platform() const { return platform_; }
    View view() const { return screen_ ? screen_->view() : View{}; }
    // The screen is going: forget it, so nothing here reaches it again.
    void detach();
    // Brings the window up to date with the model and asks for a repaint of what changed.
    void sync();
    void strokeAdded(const Stroke& stroke) override;
    void surfaceCleared() override;

    // Tells assistive technology the screen's latest announcement.
    void announce();
    // Tells assistive technology that has just come that the window is in use, and what it last
    // said.
    void introduce();
    QString announcement() const;
    // The screen's readable controls; none once the screen has gone.
    std::vector<Control*> exposedControls() const;
    // The interface of one of them, or of the announcement (null).
    QAccessibleInterface* accessibleFor(Control* c);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void tellFocus();
    void forwardPointer(QMouseEvent* event, PointerAction action);
    void applyView();
    // The list for the window as it is now, built again only after a change.
    const DisplayList& displayList();

    QtPlatform& platform_;
    Screen* screen_;
    std::map<const Control*, QAccessible::Id> accessibles_;
    // What a screen reader was last told has the focus, and its name then.
    const Control* toldFocus_ = nullptr;
    std::string toldName_;
    std::uint64_t syncedRevision_ = ~0ULL;
    std::optional<QPoint> placed_;
    FontMeasure measure_;
    std::optional<DisplayList> list_;
    std::uint64_t listRevision_ = 0;
    double listRatio_ = 0;
    StrokeImage strokes_;
    QImage frame_;  // where a region of many parts is painted first
};

}  // namespace ui::qt
