#include "framework/core/ClassRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/core/Application.h"
#include "framework/core/FileType.h"
#include "framework/core/Object.h"

namespace {

const fw::ClassRecord kBase{.name = "TestBasis"};
const fw::ClassRecord kDerived{.name = "TestAbleitung", .base = &kBase};
const fw::ClassRecord kOther{.name = "TestAndere"};

TEST(ClassRecordTest, IsAFollowsTheBaseChain) {
    EXPECT_TRUE(kDerived.IsA(kDerived));
    EXPECT_TRUE(kDerived.IsA(kBase));
    EXPECT_FALSE(kBase.IsA(kDerived));
    EXPECT_FALSE(kDerived.IsA(kOther));
}

TEST(ClassRecordTest, RegistersEachClassOnceInOrder) {
    fw::RuntimeNewClass(kBase);
    fw::RuntimeNewClass(kDerived);
    fw::RuntimeNewClass(kBase);
    const auto& classes = fw::RegisteredClasses();
    EXPECT_EQ(std::count(classes.begin(), classes.end(), &kBase), 1);
    const auto base = std::find(classes.begin(), classes.end(), &kBase);
    const auto derived = std::find(classes.begin(), classes.end(), &kDerived);
    EXPECT_LT(base, derived);
    EXPECT_EQ(fw::FindClass("TestAbleitung"), &kDerived);
    EXPECT_EQ(fw::FindClass("TestGibtEsNicht"), nullptr);
}

TEST(ClassRecordTest, NewObjectsOnlyOfInstantiableClasses) {
    const auto object = fw::RuntimeNewObject(fw::FileType::Lookup());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(&object->Record(), &fw::FileType::Lookup());
    try {
        fw::RuntimeNewObject(fw::Application::Lookup());
        ADD_FAILURE() << "nothing raised";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(e.Message().Bytes().find("Application"), std::string::npos) << e.Message().Bytes();
    }
}

TEST(ClassRecordTest, RuntimeCheckCastKeepsNilAndRefusesOtherClasses) {
    EXPECT_EQ(fw::RuntimeCheckCast<fw::FileType>(nullptr), nullptr);
    const std::shared_ptr<fw::Object> fileType = std::make_shared<fw::FileType>();
    EXPECT_EQ(fw::RuntimeCheckCast<fw::FileType>(fileType), fileType);
    EXPECT_EQ(fw::RuntimeCheckCast<fw::Object>(fileType), fileType);
    EXPECT_THROW(fw::RuntimeCheckCast<fw::Application>(fileType), fw::IllegalCastException);
}

}  // namespace
