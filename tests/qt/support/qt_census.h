#pragma once
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QWindow>
#include <ostream>

// Qt's hooks for tools that follow objects: a slot for a callback as each QObject is made and
// as each goes (QtCore's qhooks_p.h).
extern quintptr qtHookData[];

// What Qt keeps alive for the program, counted through Qt itself, so that something no pointer
// of the program's reaches any more is counted too.
struct QtCensus {
    int widgets = 0;
    int windows = 0;
    int accessibles = 0;
    long long objects = 0;  // made less destroyed since the object counter was installed
    bool operator==(const QtCensus&) const = default;
};

inline void PrintTo(const QtCensus& c, std::ostream* os) {
    *os << c.widgets << " widgets, " << c.windows << " windows, " << c.accessibles
        << " accessibility interfaces, " << c.objects << " objects";
}

// Counts QObjects as they are made and destroyed while it is installed.
class ObjectCounter {
public:
    ObjectCounter() {
        qtHookData[addObject] = reinterpret_cast<quintptr>(&made);
        qtHookData[removeObject] = reinterpret_cast<quintptr>(&destroyed);
    }
    ~ObjectCounter() { qtHookData[addObject] = qtHookData[removeObject] = 0; }
    ObjectCounter(const ObjectCounter&) = delete;
    ObjectCounter& operator=(const ObjectCounter&) = delete;

    static long long live() { return live_; }

private:
    static constexpr int addObject = 3;  // QHooks::AddQObject
    static constexpr int removeObject = 4;
    static void made(QObject*) { ++live_; }
    static void destroyed(QObject*) { --live_; }
    static inline long long live_ = 0;
};

namespace census {

// An interface that stands for nothing, registered only to learn the latest number.
class Probe : public QAccessibleInterface {
public:
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override { return {}; }
};

// The accessibility interfaces in Qt's cache, however they were made. Qt numbers them upwards
// from 2^31 and never below the latest, so every live one lies between the first number and
// that of one registered now.
inline int accessibles() {
    constexpr QAccessible::Id first = 1U << 31;
    const QAccessible::Id probe = QAccessible::registerAccessibleInterface(new Probe);
    int live = 0;
    for (QAccessible::Id id = first; id < probe; ++id)
        live += QAccessible::accessibleInterface(id) != nullptr;
    QAccessible::deleteAccessibleInterface(probe);
    return live;
}

}  // namespace census

inline QtCensus qtCensus() {
    return {static_cast<int>(QApplication::allWidgets().size()),
            static_cast<int>(QGuiApplication::allWindows().size()), census::accessibles(),
            ObjectCounter::live()};
}

// Walks the program as a screen reader does, from the application down: every window, each
// item in it with its state and name, and what has the focus. Gives the names read.
inline QStringList readAloud() {
    QStringList heard;
    QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; app && i < app->childCount(); ++i) {
        QAccessibleInterface* window = app->child(i);
        for (int j = 0; window && j < window->childCount(); ++j) {
            QAccessibleInterface* item = window->child(j);
            if (!item || item->state().invisible) continue;
            heard << item->text(QAccessible::Name);
        }
        if (window) window->focusChild();
    }
    return heard;
}
