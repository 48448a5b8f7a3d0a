#pragma once

// The process from start to end: framework, class records, start-up, event loop, shutdown.
// Gives the exit status.
int RunApplication();

// Builds the class record of each of the program's classes, after the framework's own.
void initialize();
// Start-up and event loop, as one protected region.
void _Main();
// Called back once by the framework before the event loop starts.
void _Startup();
void _InitFileTypes();
// Makes the application object with its menu bar and registers it with the framework.
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
// Opens the main window.
void _MakeDefaultView();
// Releases the shared objects at shutdown.
void finalize();
