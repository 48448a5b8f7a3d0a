#include "tests/support/MainWindowState.h"

namespace testsupport {

std::shared_ptr<class Fenster1> UnshownMainWindow() { return std::make_shared<class Fenster1>(); }

std::vector<std::string> Lines(const class Fenster1& window) {
    std::vector<std::string> lines;
    for (int i = 0; i <= window.zeilen->Ubound(); ++i) lines.push_back((*window.zeilen)(i).Bytes());
    return lines;
}

void SetLines(class Fenster1& window, const std::vector<std::string>& lines) {
    for (const auto& line : lines) window.zeilen->Insert(window.zeilen->Ubound() + 1, fw::String(line));
    window.anz_zeilen = window.zeilen->Ubound();
}

}  // namespace testsupport
