#pragma once

#include <QString>

class QMainWindow;

namespace fw {

class MenuBar;

// Gives the window a Qt menu bar that shows the menu tree of `bar`.
void ShowMenuBar(QMainWindow& window, const MenuBar& bar);

// A shortcut text of the menus ("Cmd+Q") in Qt's terms, where Ctrl stands for Cmd.
QString KeySequenceText(const QString& shortcut);

}  // namespace fw
