#include "program/display_choice.h"

#include <string_view>

namespace {

bool set(const char* v) { return v && *v; }

}  // namespace

bool hasDisplay(const DisplayEnvironment& env) {
    if (set(env.qtPlatform) && std::string_view(env.qtPlatform) != "xcb") return true;
    return set(env.x11) || set(env.wayland);
}

std::string chosenQtPlatform(const DisplayEnvironment& env) {
    if (set(env.qtPlatform) || !set(env.x11)) return {};
    return "xcb";
}
