#include "qt/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWindow>
#include <algorithm>

#include "qt/convert.h"
#include "qt/qt_platform.h"
#include "qt/screen_window.h"
#include "ui/access.h"
#include "ui/screen.h"

namespace ui::qt {

namespace {

QAccessible::Role qtRole(Role role) {
    switch (role) {
        case Role::Button: return QAccessible::Button;
        case Role::Tab: return QAccessible::PageTab;
        case Role::RadioButton: return QAccessible::RadioButton;
        case Role::CheckBox: return QAccessible::CheckBox;
        case Role::Group: return QAccessible::Grouping;
        case Role::Text:
        case Role::Auto:
        case Role::Hidden:
        case Role::None: break;
    }
    return QAccessible::StaticText;
}

class ControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ControlAccessible(ScreenWindow* window, Control* control) : window_(window), c_(control) {}

    bool isValid() const override { return window_->screen() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return c_ ? QString::fromStdString(c_->accessibleName()) : window_->announcement();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || !c_) return {};
        const QRect local = toWindowRect(window_->view(), window_->screen()->areaOf(*c_));
        return {window_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override {
        // A notification is said as it shows, which an alert never is with Qt 6.4.
        return c_ ? qtRole(c_->role()) : QAccessible::Notification;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid() || !c_) return s;
        const Access a = accessOf(*window_->screen(), *c_);
        s.focusable = a.focusable;
        s.focused = window_->screen()->focused() == c_;
        s.disabled = a.disabled;
        s.checkable = a.checkable;
        s.checked = a.checked;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        if (!isValid() || !c_ || !c_->acts()) return {};
        return {pressAction()};
    }
    // A screen reader's press is the model's, as a key's is.
    void doAction(const QString& name) override {
        if (name != pressAction() || !isValid() || !c_ || !c_->acts()) return;
        Control* c = c_;
        window_->platform().deliver([c] { c->activate(); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    Control* control() const { return c_; }

private:
    ScreenWindow* window_;
    Control* c_;
};

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(ScreenWindow* window)
        : QAccessibleWidget(window, QAccessible::Window), window_(window) {}

    QString text(QAccessible::Text t) const override {
        const Screen* screen = window_->screen();
        if (t != QAccessible::Name || !screen) return QAccessibleWidget::text(t);
        return QString::fromStdString(screen->windowName());
    }

    // The announcement is there once something has been said: an empty one would read as a
    // blank.
    int childCount() const override {
        return static_cast<int>(window_->exposedControls().size()) +
               (window_->announcement().isEmpty() ? 0 : 1);
    }
    QAccessibleInterface* child(int index) const override {
        const std::vector<Control*> exposed = window_->exposedControls();
        if (index < 0 || index >= childCount()) return nullptr;
        return window_->accessibleFor(index == static_cast<int>(exposed.size())
                                          ? nullptr
                                          : exposed[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const ControlAccessible*>(child);
        if (!item || item->parent() != this) return -1;
        const std::vector<Control*> exposed = window_->exposedControls();
        // The announcement comes last.
        if (!item->control())
            return childCount() > static_cast<int>(exposed.size()) ? childCount() - 1 : -1;
        const auto at = std::find(exposed.begin(), exposed.end(), item->control());
        return at == exposed.end() ? -1 : static_cast<int>(at - exposed.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const Screen* screen = window_->screen();
        Control* focused = screen ? screen->focused() : nullptr;
        return focused ? window_->accessibleFor(focused) : nullptr;
    }

private:
    ScreenWindow* window_;
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    auto* window = dynamic_cast<ScreenWindow*>(object);
    return window ? new WindowAccessible(window) : nullptr;
}

// Qt's bridge to the accessibility bus comes up while the first window shows, and may come after
// that window's activation: once it is up, the window in use is told again.
class LateBridge : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        if (!active) return;
        QMetaObject::invokeMethod(
            qApp,
            [] {
                if (auto* w = dynamic_cast<ScreenWindow*>(QApplication::activeWindow()))
                    w->introduce();
            },
            Qt::QueuedConnection);
    }
};

}  // namespace

void installAccessibility() {
    static LateBridge lateBridge;
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        QAccessible::installActivationObserver(&lateBridge);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* makeControlAccessible(ScreenWindow* window, Control* control) {
    return new ControlAccessible(window, control);
}

// Qt 6.4's bridge sends a name change without the name, and Orca then has nothing to say: the
// event goes out with the name in it, on the bridge's own connection to the accessibility bus.
void tellNameChanged(QAccessibleInterface* item) {
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        QAccessibleEvent event(item, QAccessible::NameChanged);
        return QAccessible::updateAccessibility(&event);
    }
    QDBusMessage change = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") +
            QString::number(QAccessible::uniqueId(item)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath("/org/a11y/atspi/accessible/root");
    application.endStructure();
    change << QStringLiteral("accessible-name") << 0 << 0
           << QVariant::fromValue(QDBusVariant(item->text(QAccessible::Name)))
           << QVariant::fromValue(application);
    bus.send(change);
}

}  // namespace ui::qt
