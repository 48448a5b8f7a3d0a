#pragma once

#include <functional>

class QPushButton;
class QWidget;

namespace testsupport {

// Exit status of a run that the test's steps did not end in time.
inline constexpr int kTimedOut = 124;

// Runs the whole application in this process. `steps` run once the event loop is
// running, from inside it; they must end the application themselves (with "Ende", say).
// Gives the exit status.
int RunApplicationWhile(const std::function<void()>& steps, int timeoutMs = 20000);

// The open top-level widget of the window class of that name ("Fenster1.Fenster1").
QWidget* WindowWidget(const char* className);
QPushButton* ButtonOf(QWidget* window, const char* name);

// Clicks the push button of that name in the window, as the user does.
void Click(QWidget* window, const char* button);

}  // namespace testsupport
