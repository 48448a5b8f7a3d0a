#pragma once

#include <exception>
#include <functional>

namespace fw {

// Calls `routine` with `argument`. Gives nothing when the routine returns, the
// exception when it raises a RuntimeException; any other exception passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*routine)(void*), void* argument);
std::exception_ptr _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument);

// The framework calls every event handler of the program through the installed helper.
void _RuntimeSetExceptionHelper(ExceptionHelper helper);

// Runs a handler of the program on behalf of the user interface. Nothing it raises goes
// further: the exception is shown to the user and the application goes on.
void RunEventHandler(const std::function<void()>& handler) noexcept;
// How many event handlers are running, one inside the other.
int EventHandlerDepth();

// Tells the user, in German and in a modal message box, about an exception nothing caught.
void ReportUnhandledException(const std::exception_ptr& exception) noexcept;

}  // namespace fw
