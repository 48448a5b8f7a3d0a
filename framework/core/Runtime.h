#pragma once

#include <chrono>
#include <functional>

#include "framework/core/String.h"

namespace fw {

// A turn for the framework's background work, called once per pass of a long loop. It
// costs next to nothing: the user interface gets a turn at most every ~20 ms, and then
// only for work that is not user input (repaints, timers). Without a user interface it
// does nothing.
void RuntimeBackgroundTask();
// Each setter gives back the handler it replaces.
std::function<void()> SetBackgroundTaskHandler(std::function<void()> handler);
// The clock the turns are timed by, the steady clock unless a test puts its own in place.
// The time to the next turn counts from the first call after the clock is set.
using BackgroundTaskClock = std::function<std::chrono::steady_clock::time_point()>;
BackgroundTaskClock SetBackgroundTaskClock(BackgroundTaskClock clock);

// Shows a modal message box with the text and returns when it has been dismissed. The
// windowing backend installs the real box; without it the text goes to standard error.
void MsgBox(const String& text);
std::function<void(const String&)> SetMessageBoxHandler(std::function<void(const String&)> handler);

}  // namespace fw
