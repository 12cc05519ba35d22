#pragma once
// What the Qt benchmarks share: a real mouse event, a count of paints, and the median.
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <vector>

// A mouse event as the window system delivers it: `button` changed, `held` down after it.
inline void sendMouse(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

// Counts the paints of a widget, so a timed event is known to have reached the screen.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The median: a busy machine stretches some steps, not the typical one.
inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::ranges::sort(v);
    return v[v.size() / 2];
}
