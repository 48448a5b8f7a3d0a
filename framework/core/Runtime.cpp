#include "framework/core/Runtime.h"

#include <chrono>
#include <iostream>
#include <utility>

namespace fw {

namespace {

constexpr auto kBackgroundTurnInterval = std::chrono::milliseconds(20);

std::function<void()>& BackgroundTaskHandler() {
    static std::function<void()> handler;
    return handler;
}

std::function<void(const String&)>& MessageBoxHandler() {
    static std::function<void(const String&)> handler;
    return handler;
}

}  // namespace

void RuntimeBackgroundTask() {
    if (!BackgroundTaskHandler()) return;
    static auto lastTurn = std::chrono::steady_clock::now();
    const auto now = std::chrono::steady_clock::now();
    if (now - lastTurn < kBackgroundTurnInterval) return;
    // Stamped before the turn, so work done in it that calls back here does not recurse.
    lastTurn = now;
    // A copy, so a handler that replaces itself during its turn is not destroyed while running.
    const auto handler = BackgroundTaskHandler();
    handler();
    lastTurn = std::chrono::steady_clock::now();
}

std::function<void()> SetBackgroundTaskHandler(std::function<void()> handler) {
    return std::exchange(BackgroundTaskHandler(), std::move(handler));
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
