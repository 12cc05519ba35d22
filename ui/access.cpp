#include "ui/access.h"

#include "ui/screen.h"

namespace ui {

namespace {

bool showsCaption(const Control& c) {
    switch (c.kind()) {
        case ControlKind::Label:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: return true;
        case ControlKind::Button: return !c.picture();
        default: return false;
    }
}

}  // namespace

Access accessOf(const Screen& screen, const Control& c) {
    Access a;
    a.role = c.role();
    a.text = showsCaption(c) ? c.caption() : "";
    a.picture = a.role == Role::Text && c.accessibleName() != a.text;
    const bool named = a.picture || (a.role != Role::Hidden && a.role != Role::Text);
    if (named && c.accessibleName() != a.text) a.name = c.accessibleName();
    a.checkable = a.role == Role::RadioButton || a.role == Role::CheckBox;
    a.checked = a.checkable && c.value() != 0;
    a.disabled = c.acts() && !c.enabled();
    a.focusable = screen.takesFocus(c);
    a.ring = screen.focusShown() && screen.focused() == &c;
    return a;
}

}  // namespace ui
