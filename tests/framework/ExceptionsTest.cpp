#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

TEST(ExceptionsTest, EveryKindIsARuntimeExceptionWithAGermanMessage) {
    struct Case {
        std::string name;
        std::function<void()> raise;
        std::string messagePart;
    };
    const std::vector<Case> cases = {
        {"NilObjectException", [] { throw fw::NilObjectException(); }, "Objekt fehlt"},
        {"OutOfBoundsException", [] { throw fw::OutOfBoundsException(); }, "außerhalb"},
        {"IllegalCastException", [] { throw fw::IllegalCastException(); }, "nicht die erwartete Klasse"},
        {"RuntimeException", [] { throw fw::RuntimeException("Die Datei fehlt."); }, "Die Datei fehlt."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.raise();
            ADD_FAILURE() << "nothing raised";
        } catch (const fw::RuntimeException& e) {
            EXPECT_NE(e.Message().Bytes().find(c.messagePart), std::string::npos) << e.Message().Bytes();
            EXPECT_STREQ(e.what(), e.Message().Bytes().c_str());
        }
    }
}

TEST(ExceptionsTest, CheckedRaisesForNil) {
    EXPECT_THROW(fw::Checked(std::shared_ptr<int>()), fw::NilObjectException);
    EXPECT_THROW(fw::Checked(std::unique_ptr<int>()), fw::NilObjectException);
    const auto value = std::make_shared<int>(5);
    int& checked = fw::Checked(value);
    EXPECT_EQ(&checked, value.get());
}

}  // namespace
