#pragma once

class Registry;

// The program's start: every screen known, the title screen loaded and shown.
void startProgram(Registry& registry);
