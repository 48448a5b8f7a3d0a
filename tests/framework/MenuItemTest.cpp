#include <gtest/gtest.h>

#include "framework/ui/MenuBar.h"

namespace {

std::shared_ptr<fw::MenuItem> Entry(const char* name) {
    auto item = std::make_shared<fw::MenuItem>();
    item->SetName(name);
    return item;
}

TEST(MenuItem, ChildFindsOnlyChildrenLookupFindsAnyDescendant) {
    fw::MenuBar bar;
    auto menu = Entry("Menu");
    auto inner = Entry("Inner");
    auto deep = Entry("Deep");
    inner->Append(deep);
    menu->Append(inner);
    bar.Append(menu);
    EXPECT_EQ(bar.Child("Menu"), menu);
    EXPECT_EQ(bar.Child("Inner"), nullptr);
    EXPECT_EQ(bar._Lookup("Deep"), deep);
    EXPECT_EQ(bar._Lookup("Nowhere"), nullptr);
}

TEST(MenuItem, AppendKeepsOrderAndRefusesNil) {
    fw::MenuItem menu;
    menu.Append(Entry("First"));
    menu.Append(Entry("Second"));
    ASSERT_EQ(menu.Count(), 2);
    EXPECT_EQ(menu.Item(1)->Name().Bytes(), "Second");
    EXPECT_THROW(menu.Item(2), fw::OutOfBoundsException);
    EXPECT_THROW(menu.Append(nullptr), fw::NilObjectException);
}

}  // namespace
