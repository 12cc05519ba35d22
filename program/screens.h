#pragma once

class Registry;

// Teaches the registry every screen of the program by name.
void registerScreens(Registry& registry);
