#include <gtest/gtest.h>

#include <limits>

#include "framework/ui/Label.h"
#include "framework/ui/PropertySet.h"
#include "framework/ui/Window.h"

namespace {

struct EncodedItem {
    const char* what;
    fw::PropertyItem item;
    std::string bytes;
};

TEST(PropertySet, EncodesEachTypeWithoutTypeTags) {
    const EncodedItem cases[] = {
        {"true", {"Visible", true}, std::string("Visible \x01", 9)},
        {"false", {"Bold", false}, std::string("Bold \0", 6)},
        {"Int32 big-endian", {"Width", 389}, std::string("Width \0\0\x01\x85", 10)},
        {"smallest Int32", {"Index", std::numeric_limits<std::int32_t>::min()}, std::string("Index \x80\0\0\0", 10)},
        {"negative Int32", {"Left", -2}, std::string("Left \xFF\xFF\xFF\xFE", 9)},
        {"colour", {"BackColor", fw::Colour{0xFF, 0x80, 0x01}}, std::string("BackColor \xFF\x80\x01", 13)},
        {"empty text", {"HelpTag", ""}, std::string("HelpTag \0\0\0\0", 12)},
        {"text counts UTF-8 bytes", {"Title", "Bestätigung"}, std::string("Title \0\0\0\x0C" "Bestätigung", 22)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::PropertySet{c.item}.Bytes().Bytes(), c.bytes) << c.what;
    }
}

TEST(PropertySet, BuilderAndTableGiveTheSameBytes) {
    const fw::String built = fw::PropertySet().Int32("Width", 302).Boolean("Resizeable", true).Text("Title", "OK");
    const fw::String table = fw::PropertySet{{"Width", 302}, {"Resizeable", true}, {"Title", "OK"}};
    EXPECT_EQ(built.Bytes(), table.Bytes());
}

// An unconstructed window or control keeps what a set says and shows nothing.
TEST(SetProperties, AppliesEveryItemByName) {
    auto window = std::make_shared<fw::Window>();
    fw::_SetProperties(*window, fw::PropertySet{{"Width", 302},
                                                {"Title", "Bestätigung"},
                                                {"Resizeable", true},
                                                {"BackColor", fw::Colour{1, 2, 3}},
                                                {"MacProcID", 7}});
    EXPECT_EQ(window->Int32Property("Width"), 302);
    EXPECT_EQ(window->TextProperty("Title").Bytes(), "Bestätigung");
    EXPECT_TRUE(window->BooleanProperty("Resizeable"));
    EXPECT_EQ(window->ColourProperty("BackColor"), (fw::Colour{1, 2, 3}));
    EXPECT_EQ(window->Int32Property("MacProcID"), 7) << "kept, though the backend has no use for it";
}

TEST(SetProperties, NamesMatchWithoutRegardToCase) {
    auto label = std::make_shared<fw::Label>();
    fw::_SetProperties(*label, fw::PropertySet().Boolean("MultiLine", true));
    EXPECT_TRUE(label->BooleanProperty("Multiline"));
}

struct FaultySet {
    const char* what;
    std::string bytes;
    const char* named;
};

TEST(SetProperties, FaultySetRaisesNamingThePropertyAndChangesNothing) {
    const std::string good = fw::PropertySet().Int32("Width", 10).Bytes().Bytes();
    const FaultySet cases[] = {
        {"unknown name", good + fw::PropertySet().Boolean("Sparkle", true).Bytes().Bytes(), "Sparkle"},
        {"name without value", good + "Title", "Title"},
        {"cut in an Int32", good + std::string("Height \0\0", 9), "Height"},
        {"cut in a colour", good + std::string("BackColor \xFF\xFF", 12), "BackColor"},
        {"missing Boolean", good + "Visible ", "Visible"},
        {"text shorter than its count", good + std::string("Title \0\0\0\x05" "abc", 13), "Title"},
        {"cut in a text count", good + std::string("Title \0\0", 8), "Title"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto window = std::make_shared<fw::Window>();
        try {
            fw::_SetProperties(*window, fw::String(c.bytes));
            ADD_FAILURE() << "no exception";
        } catch (const fw::RuntimeException& raised) {
            EXPECT_NE(raised.Message().Bytes().find(c.named), std::string::npos) << raised.Message().Bytes();
            EXPECT_NE(raised.Message().Bytes().find("Window"), std::string::npos) << raised.Message().Bytes();
        }
        EXPECT_EQ(window->Property("Width"), nullptr) << "nothing set from a faulty set";
    }
}

TEST(SetProperties, ControlKnowsItsOwnAndItsBasesProperties) {
    auto label = std::make_shared<fw::Label>();
    EXPECT_EQ(label->DeclaredType("Text"), fw::PropertyType::String);
    EXPECT_EQ(label->DeclaredType("TabIndex"), fw::PropertyType::Int32);
    EXPECT_EQ(label->DeclaredType("Caption"), std::nullopt) << "a push button's";
    EXPECT_THROW(label->SetProperty("Text", 3), fw::RuntimeException) << "wrong type";
}

}  // namespace
