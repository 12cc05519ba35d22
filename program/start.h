#pragma once
#include <string_view>

class Registry;

// The program's start: every screen known, then the title screen loaded and shown, or, for a
// lesson link naming an activity ("hamilton", "surds", "reflections"), that activity over its
// menu. Any other lesson opens the title.
void startProgram(Registry& registry, std::string_view lesson = {});
