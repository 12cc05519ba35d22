#include "qt/accessibility.h"

#include <QWindow>
#include <algorithm>

#include "qt/convert.h"
#include "qt/qt_platform.h"
#include "qt/screen_window.h"
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
        case Role::Hidden: break;
    }
    return QAccessible::StaticText;
}

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    auto* window = dynamic_cast<ScreenWindow*>(object);
    return window ? new WindowAccessible(window) : nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

WindowAccessible::WindowAccessible(ScreenWindow* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

ScreenWindow* WindowAccessible::screenWindow() const {
    return static_cast<ScreenWindow*>(widget());
}

// The announcement is there once something has been said: an empty one would read as a blank.
int WindowAccessible::childCount() const {
    return static_cast<int>(screenWindow()->exposedControls().size()) +
           (screenWindow()->announcement().isEmpty() ? 0 : 1);
}

QAccessibleInterface* WindowAccessible::child(int index) const {
    const std::vector<Control*> exposed = screenWindow()->exposedControls();
    if (index < 0 || index >= childCount()) return nullptr;
    return screenWindow()->accessibleFor(index == static_cast<int>(exposed.size())
                                             ? nullptr
                                             : exposed[static_cast<std::size_t>(index)]);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const ControlAccessible*>(child);
    if (!item || item->parent() != this) return -1;
    const std::vector<Control*> exposed = screenWindow()->exposedControls();
    // The announcement comes last.
    if (!item->control())
        return childCount() > static_cast<int>(exposed.size()) ? childCount() - 1 : -1;
    const auto at = std::find(exposed.begin(), exposed.end(), item->control());
    return at == exposed.end() ? -1 : static_cast<int>(at - exposed.begin());
}

QAccessibleInterface* WindowAccessible::childAt(int x, int y) const {
    for (int i = childCount() - 1; i >= 0; --i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
    return nullptr;
}

QAccessibleInterface* WindowAccessible::focusChild() const {
    const Screen* screen = screenWindow()->screen();
    Control* focused = screen ? screen->focused() : nullptr;
    return focused ? screenWindow()->accessibleFor(focused) : nullptr;
}

ControlAccessible::ControlAccessible(ScreenWindow* window, Control* control)
    : window_(window), control_(control) {}

bool ControlAccessible::isValid() const { return window_->screen() != nullptr; }

QWindow* ControlAccessible::window() const { return window_->windowHandle(); }

QAccessibleInterface* ControlAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(window_);
}

QString ControlAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) return {};
    return control_ ? QString::fromStdString(control_->accessibleName()) : window_->announcement();
}

QRect ControlAccessible::rect() const {
    if (!isValid() || !control_) return {};
    const QRect local = toWindowRect(window_->view(), window_->screen()->areaOf(*control_));
    return {window_->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role ControlAccessible::role() const {
    return control_ ? qtRole(control_->role()) : QAccessible::StaticText;
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State s;
    if (!isValid() || !control_) return s;
    const Screen& screen = *window_->screen();
    s.focusable = screen.takesFocus(*control_);
    s.focused = screen.focused() == control_;
    s.disabled = control_->acts() && !control_->enabled();
    const Role r = control_->role();
    s.checkable = r == Role::RadioButton || r == Role::CheckBox;
    s.checked = s.checkable && control_->value() != 0;
    return s;
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList ControlAccessible::actionNames() const {
    if (!isValid() || !control_ || !control_->acts()) return {};
    return {pressAction()};
}

// A screen reader's press is the model's, as a key's is.
void ControlAccessible::doAction(const QString& name) {
    if (name != pressAction() || !isValid() || !control_ || !control_->acts()) return;
    Control* c = control_;
    window_->platform().deliver([c] { c->activate(); });
}

}  // namespace ui::qt
