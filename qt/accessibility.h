#pragma once
#include <QAccessibleWidget>

namespace ui {
class Control;
}

namespace ui::qt {

class ScreenWindow;

// What a screen reader finds in a screen's window: an item for each control on view that the
// model exposes, windowless ones included, and last the screen's latest announcement, if any.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(ScreenWindow* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ScreenWindow* screenWindow() const;
};

// One control as the model describes it, or (control null) the announcement.
class ControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ControlAccessible(ScreenWindow* window, Control* control);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    Control* control() const { return control_; }

private:
    ScreenWindow* window_;
    Control* control_;
};

// Makes the window's interface for every screen window Qt asks about.
void installAccessibility();

}  // namespace ui::qt
