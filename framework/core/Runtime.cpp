#include "framework/core/Runtime.h"

#include <iostream>
#include <optional>
#include <utility>

namespace fw {

namespace {

constexpr auto kBackgroundTurnInterval = std::chrono::milliseconds(20);

std::function<void()>& BackgroundTaskHandler() {
    static std::function<void()> handler;
    return handler;
}

struct BackgroundTurns {
    BackgroundTaskClock clock = &std::chrono::steady_clock::now;
    std::optional<std::chrono::steady_clock::time_point> last;
};

BackgroundTurns& Turns() {
    static BackgroundTurns turns;
    return turns;
}

std::function<void(const String&)>& MessageBoxHandler() {
    static std::function<void(const String&)> handler;
    return handler;
}

}  // namespace

void RuntimeBackgroundTask() {
    if (!BackgroundTaskHandler()) return;
    BackgroundTurns& turns = Turns();
    const auto now = turns.clock();
    if (!turns.last) turns.last = now;
    if (now - *turns.last < kBackgroundTurnInterval) return;
    // Stamped before the turn, so work done in it that calls back here does not recurse.
    turns.last = now;
    // A copy, so a handler that replaces itself during its turn is not destroyed while running.
    const auto handler = BackgroundTaskHandler();
    handler();
    turns.last = turns.clock();
}

std::function<void()> SetBackgroundTaskHandler(std::function<void()> handler) {
    return std::exchange(BackgroundTaskHandler(), std::move(handler));
}

BackgroundTaskClock SetBackgroundTaskClock(BackgroundTaskClock clock) {
    BackgroundTurns& turns = Turns();
    turns.last.reset();
    return std::exchange(turns.clock, std::move(clock));
}

void MsgBox(const String& text) {
    // A copy, for the same reason as above: the box may replace its own handler.
    if (const auto handler = MessageBoxHandler()) {
        handler(text);
    } else {
        std::cerr << text.Bytes() << '\n';
    }
}

std::function<void(const String&)> SetMessageBoxHandler(std::function<void(const String&)> handler) {
    return std::exchange(MessageBoxHandler(), std::move(handler));
}

}  // namespace fw
