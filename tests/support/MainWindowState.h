#pragma once

#include <memory>
#include <string>
#include <vector>

#include "windows/Fenster1.h"

namespace testsupport {

// A main window that is never shown: enough for its import state and operations.
std::shared_ptr<class Fenster1> UnshownMainWindow();

// The entries of `zeilen`, as UTF-8.
std::vector<std::string> Lines(const class Fenster1& window);

// Puts `lines` into `zeilen` as a load would, and sets `anz_zeilen` to the last index.
void SetLines(class Fenster1& window, const std::vector<std::string>& lines);

}  // namespace testsupport
