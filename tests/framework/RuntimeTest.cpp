#include "framework/core/Runtime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "tests/support/Capture.h"

namespace {

using Clock = std::chrono::steady_clock;

class BackgroundTaskTest : public testing::Test {
protected:
    BackgroundTaskTest() : previous_(fw::SetBackgroundTaskHandler(nullptr)) {}
    ~BackgroundTaskTest() override { fw::SetBackgroundTaskHandler(std::move(previous_)); }

    // Calls the background task in a tight loop for `duration`, or until `done`.
    template <class Done>
    static void Loop(std::chrono::milliseconds duration, Done done) {
        const auto end = Clock::now() + duration;
        while (Clock::now() < end && !done()) fw::RuntimeBackgroundTask();
    }

private:
    std::function<void()> previous_;
};

TEST_F(BackgroundTaskTest, WithoutAHandlerNothingHappens) {
    int turns = 0;
    fw::SetBackgroundTaskHandler([&] { ++turns; });
    fw::SetBackgroundTaskHandler(nullptr);
    Loop(std::chrono::milliseconds(100), [] { return false; });
    EXPECT_EQ(turns, 0);
}

TEST_F(BackgroundTaskTest, TheHandlerGetsATurnOnlyNowAndThen) {
    int turns = 0;
    int calls = 0;
    fw::SetBackgroundTaskHandler([&] { ++turns; });
    Loop(std::chrono::milliseconds(100), [&] { return ++calls, false; });
    // Every ~20 ms: about five turns in 100 ms, however many calls the loop made.
    EXPECT_GE(turns, 1);
    EXPECT_LE(turns, 10);
    EXPECT_GT(calls, turns);
}

TEST_F(BackgroundTaskTest, SetterGivesBackTheHandlerItReplaces) {
    int first = 0;
    fw::SetBackgroundTaskHandler([&] { ++first; });
    const auto replaced = fw::SetBackgroundTaskHandler(nullptr);
    ASSERT_TRUE(replaced);
    replaced();
    EXPECT_EQ(first, 1);
}

TEST_F(BackgroundTaskTest, AHandlerThatRunsTheBackgroundTaskItselfDoesNotRecurse) {
    // Work done in a turn (a timer, say) may itself call the background task.
    int depth = 0, deepest = 0, turns = 0;
    fw::SetBackgroundTaskHandler([&] {
        ++turns;
        ++depth;
        deepest = std::max(deepest, depth);
        if (depth < 3) fw::RuntimeBackgroundTask();
        --depth;
    });
    Loop(std::chrono::milliseconds(500), [&] { return turns >= 2; });
    EXPECT_EQ(deepest, 1);
}

TEST_F(BackgroundTaskTest, AHandlerMayRemoveItselfDuringItsTurn) {
    auto turns = std::make_shared<int>(0);
    fw::SetBackgroundTaskHandler([turns] {
        fw::SetBackgroundTaskHandler(nullptr);
        ++*turns;  // the handler's own state must still be there
    });
    Loop(std::chrono::milliseconds(500), [&] { return *turns > 0; });
    EXPECT_EQ(*turns, 1);
}

TEST(MsgBoxTest, GoesToTheInstalledHandler) {
    const testsupport::CapturedMessages messages;
    fw::MsgBox("Datei fehlt");
    fw::MsgBox("Köln");
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Datei fehlt", "Köln"}));
}

TEST(MsgBoxTest, AHandlerMayRemoveItselfWhileShowing) {
    auto shown = std::make_shared<std::string>();
    auto previous = fw::SetMessageBoxHandler([shown](const fw::String& text) {
        fw::SetMessageBoxHandler(nullptr);
        *shown = text.Bytes();
    });
    fw::MsgBox("einmal");
    fw::SetMessageBoxHandler(std::move(previous));
    EXPECT_EQ(*shown, "einmal");
}

}  // namespace
