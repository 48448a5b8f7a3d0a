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
    auto& handler = BackgroundTaskHandler();
    if (!handler) return;
    static auto lastTurn = std::chrono::steady_clock::now();
    const auto now = std::chrono::steady_clock::now();
    if (now - lastTurn < kBackgroundTurnInterval) return;
    handler();
    lastTurn = std::chrono::steady_clock::now();
}

std::function<void()> SetBackgroundTaskHandler(std::function<void()> handler) {
    return std::exchange(BackgroundTaskHandler(), std::move(handler));
}

void MsgBox(const String& text) {
    if (auto& handler = MessageBoxHandler()) {
        handler(text);
    } else {
        std::cerr << text.ToUTF8() << '\n';
    }
}

std::function<void(const String&)> SetMessageBoxHandler(std::function<void(const String&)> handler) {
    return std::exchange(MessageBoxHandler(), std::move(handler));
}

}  // namespace fw
