#include "framework/core/Runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "tests/support/Capture.h"

namespace {

using std::chrono::milliseconds;

// Each test times the turns by a clock of its own, which only its steps move on.
class BackgroundTaskTest : public testing::Test {
protected:
    BackgroundTaskTest()
        : previousHandler_(fw::SetBackgroundTaskHandler(nullptr)),
          previousClock_(fw::SetBackgroundTaskClock([this] { return now_; })) {}
    ~BackgroundTaskTest() override {
        fw::SetBackgroundTaskClock(std::move(previousClock_));
        fw::SetBackgroundTaskHandler(std::move(previousHandler_));
    }

    void Advance(milliseconds step) { now_ += step; }
    // Moves the clock on by `step` and calls the background task once.
    void CallAfter(milliseconds step) {
        Advance(step);
        fw::RuntimeBackgroundTask();
    }

private:
    std::chrono::steady_clock::time_point now_;
    std::function<void()> previousHandler_;
    fw::BackgroundTaskClock previousClock_;
};

TEST_F(BackgroundTaskTest, WithoutAHandlerNothingHappens) {
    int turns = 0;
    fw::SetBackgroundTaskHandler([&] { ++turns; });
    fw::SetBackgroundTaskHandler(nullptr);
    for (int call = 0; call < 10; ++call) CallAfter(milliseconds(50));
    EXPECT_EQ(turns, 0);
}

// The first call starts the count; a turn comes once 20 ms have passed since the last one ended.
TEST_F(BackgroundTaskTest, TheHandlerGetsATurnEveryTwentyMilliseconds) {
    std::vector<int> turnsAfterEachCall;
    int turns = 0;
    fw::SetBackgroundTaskHandler([&] { ++turns; });
    for (const int step : {0, 19, 1, 0, 10, 9, 1, 100, 0}) {
        CallAfter(milliseconds(step));
        turnsAfterEachCall.push_back(turns);
    }
    EXPECT_EQ(turnsAfterEachCall, (std::vector<int>{0, 0, 1, 1, 1, 1, 2, 3, 3}));
}

TEST_F(BackgroundTaskTest, TheIntervalCountsFromTheEndOfALongTurn) {
    int turns = 0;
    fw::SetBackgroundTaskHandler([&] {
        ++turns;
        Advance(milliseconds(30));  // a repaint that takes its time
    });
    CallAfter(milliseconds(0));
    CallAfter(milliseconds(20));
    ASSERT_EQ(turns, 1);
    CallAfter(milliseconds(19));
    EXPECT_EQ(turns, 1);
    CallAfter(milliseconds(1));
    EXPECT_EQ(turns, 2);
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
    CallAfter(milliseconds(0));
    CallAfter(milliseconds(20));
    CallAfter(milliseconds(20));
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(deepest, 1);
}

TEST_F(BackgroundTaskTest, AHandlerMayRemoveItselfDuringItsTurn) {
    auto turns = std::make_shared<int>(0);
    fw::SetBackgroundTaskHandler([turns] {
        fw::SetBackgroundTaskHandler(nullptr);
        ++*turns;  // the handler's own state must still be there
    });
    for (int call = 0; call < 3; ++call) CallAfter(milliseconds(20));
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
