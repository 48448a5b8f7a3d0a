#pragma once

#include <vector>

#include "windows/WindowLayout.h"

class Fenster1;

// The main window's property set.
fw::String Fenster1WindowSet();
// Its seven controls, in the order of their creation.
const std::vector<ControlDescription<class Fenster1>>& Fenster1Controls();
