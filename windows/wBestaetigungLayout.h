#pragma once

#include <vector>

#include "windows/WindowLayout.h"

class wBestaetigung;

// The confirmation window's property set.
fw::String wBestaetigungWindowSet();
// Its two controls, in the order of their creation.
const std::vector<ControlDescription<class wBestaetigung>>& wBestaetigungControls();
