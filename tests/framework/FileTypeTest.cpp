#include "framework/core/FileType.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The registrations of the types of this name (the registry is shared by all tests).
std::vector<fw::FileTypeRegistration> RegistrationsOf(const std::string& name) {
    std::vector<fw::FileTypeRegistration> found;
    for (const auto& registration : fw::RegisteredFileTypes()) {
        if (registration.name.Bytes() == name) found.push_back(registration);
    }
    return found;
}

std::shared_ptr<fw::FileType> NewType(const std::string& name) {
    auto type = std::make_shared<fw::FileType>();
    type->SetName(name);
    type->SetExtensions(".txt");
    type->SetMacType("TEXT");
    type->SetMacCreator("ttxt");
    return type;
}

TEST(FileTypeTest, RegistersOnceWhenConverted) {
    const auto type = NewType("Export Registrieren");
    EXPECT_FALSE(type->Registered());
    EXPECT_TRUE(RegistrationsOf("Export Registrieren").empty());

    EXPECT_EQ(type->Operator_Convert().Bytes(), "Export Registrieren");
    EXPECT_EQ(type->Operator_Convert().Bytes(), "Export Registrieren");
    EXPECT_TRUE(type->Registered());
    const auto registrations = RegistrationsOf("Export Registrieren");
    ASSERT_EQ(registrations.size(), 1u);
    EXPECT_EQ(registrations[0].extensions.Bytes(), ".txt");
    EXPECT_EQ(registrations[0].macType.Bytes(), "TEXT");
    EXPECT_EQ(registrations[0].macCreator.Bytes(), "ttxt");
}

TEST(FileTypeTest, EverySetterDeregisters) {
    struct Case {
        std::string property;
        void (fw::FileType::*set)(const fw::String&);
    };
    const std::vector<Case> cases = {
        {"Name", &fw::FileType::SetName},
        {"Extensions", &fw::FileType::SetExtensions},
        {"MacType", &fw::FileType::SetMacType},
        {"MacCreator", &fw::FileType::SetMacCreator},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.property);
        const std::string name = "Export Setter " + c.property;
        const auto type = NewType(name);
        type->Operator_Convert();
        ((*type).*c.set)(c.property == "Name" ? fw::String(name) : fw::String("neu"));
        EXPECT_FALSE(type->Registered());
        EXPECT_TRUE(RegistrationsOf(name).empty());

        // Converting again registers the new values.
        type->Operator_Convert();
        const auto registrations = RegistrationsOf(name);
        ASSERT_EQ(registrations.size(), 1u);
        EXPECT_EQ(registrations[0].macType.Bytes(), c.property == "MacType" ? "neu" : "TEXT");
    }
}

TEST(FileTypeTest, DestroyingDeregistersOnlyItself) {
    auto first = NewType("Export Zerstören");
    auto second = NewType("Export Zerstören");
    first->Operator_Convert();
    second->Operator_Convert();
    EXPECT_EQ(RegistrationsOf("Export Zerstören").size(), 2u);
    first.reset();
    EXPECT_EQ(RegistrationsOf("Export Zerstören").size(), 1u);
    second.reset();
    EXPECT_TRUE(RegistrationsOf("Export Zerstören").empty());
}

TEST(FileTypeTest, AnUnregisteredTypeLeavesTheOthersAlone) {
    const auto registered = NewType("Export Bleibt");
    registered->Operator_Convert();
    NewType("Export Bleibt")->SetName("anders");  // made, changed and destroyed unregistered
    EXPECT_EQ(RegistrationsOf("Export Bleibt").size(), 1u);
}

}  // namespace
