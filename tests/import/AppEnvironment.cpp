#include <gtest/gtest.h>

#include "app/App.h"

namespace {

// The hand-off asks the registered application object for the running executable.
class AppEnvironment : public testing::Environment {
public:
    void SetUp() override { fw::_RuntimeRegisterAppObject(std::make_shared<class App>()); }
    void TearDown() override { fw::_RuntimeRegisterAppObject(nullptr); }
};

const auto* const environment = testing::AddGlobalTestEnvironment(new AppEnvironment);

}  // namespace
