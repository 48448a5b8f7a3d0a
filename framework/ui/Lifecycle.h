#pragma once

#include <exception>

namespace fw {

// Readies the framework: the Qt application (made only when the process has none), the
// German texts of the framework's own dialogs, the message box and the background turns,
// and the framework's class records, registered once per process.
void RuntimeInit();

// Calls the program's start-up routine once, before the event loop delivers anything.
void _RunFrameworkInitialization(void (*startup)());

// Runs the event loop until the application quits.
void _RuntimeRun();
bool _RuntimeRunning();

// Ends the event loop; `exitCode` becomes the exit status.
void Quit(int exitCode = 0);

// The last-chance handling of an exception that nothing caught: the user is told, and
// the run ends with a failure status.
void _UnhandledException(const std::exception_ptr& exception);

// Lets go of the framework's module-level state: its open windows.
void _ReleaseModuleState();

// Shuts the framework down, undoing what RuntimeInit made, and gives the exit status.
int RuntimeExit();

}  // namespace fw
