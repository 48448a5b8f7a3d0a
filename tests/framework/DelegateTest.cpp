#include <gtest/gtest.h>

#include "framework/ui/Delegate.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Window.h"

namespace {

class Target : public fw::Window {
public:
    void Handle(fw::PushButton& button) {
        ++calls;
        pressed = &button;
        if (releaseDuringCall) {
            releaseDuringCall->reset();
            EXPECT_FALSE(self.expired());
        }
    }

    int calls = 0;
    fw::PushButton* pressed = nullptr;
    std::shared_ptr<Target>* releaseDuringCall = nullptr;
    std::weak_ptr<Target> self;
};

TEST(Delegate, CallsTheMethodWithTargetAndArgument) {
    auto target = std::make_shared<Target>();
    fw::PushButton button;
    fw::RuntimeCreateDelegate(*target, &Target::Handle)->Invoke(button);
    EXPECT_EQ(target->calls, 1);
    EXPECT_EQ(target->pressed, &button);
}

TEST(Delegate, TargetGoneRaisesNilObjectExceptionAndCallsNothing) {
    auto target = std::make_shared<Target>();
    const auto delegate = fw::RuntimeCreateDelegate(*target, &Target::Handle);
    std::weak_ptr<Target> watch = target;
    target.reset();
    EXPECT_TRUE(watch.expired()) << "the delegate holds its target weakly";
    fw::PushButton button;
    EXPECT_THROW(delegate->Invoke(button), fw::NilObjectException);
}

// The method drops the last outside reference to its own target, as closing a window
// from its handler does: the target lives until the method has returned.
TEST(Delegate, HoldsTheTargetWhileTheMethodRuns) {
    auto target = std::make_shared<Target>();
    target->self = target;
    target->releaseDuringCall = &target;
    const auto delegate = fw::RuntimeCreateDelegate(*target, &Target::Handle);
    std::weak_ptr<Target> watch = target;
    fw::PushButton button;
    delegate->Invoke(button);
    EXPECT_EQ(target, nullptr);
    EXPECT_TRUE(watch.expired()) << "released once the method returned";
}

TEST(EventBinding, AnEventTakesOneBindingAndRunsItOncePerPress) {
    auto target = std::make_shared<Target>();
    auto button = std::make_shared<fw::PushButton>();
    fw::RuntimeAddEventHandler(*button, fw::PushButton::kActionEvent, fw::RuntimeCreateDelegate(*target, &Target::Handle));
    EXPECT_THROW(fw::RuntimeAddEventHandler(*button, fw::PushButton::kActionEvent,
                                            fw::RuntimeCreateDelegate(*target, &Target::Handle)),
                 fw::RuntimeException);
    button->Push();
    EXPECT_EQ(target->calls, 1);
}

}  // namespace
