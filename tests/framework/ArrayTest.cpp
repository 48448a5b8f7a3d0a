#include "framework/core/Array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Variant.h"

namespace {

using fw::Array;
using fw::String;

std::vector<std::string> Entries(const Array<String>& array) {
    std::vector<std::string> entries;
    for (int i = 0; i <= array.Ubound(); ++i) entries.push_back(array(i).Bytes());
    return entries;
}

TEST(ArrayTest, TheUpperBoundTellsTheSize) {
    EXPECT_EQ(fw::CreateArray<String>(-1)->Ubound(), -1);
    const auto array = fw::CreateArray<String>(7);
    EXPECT_EQ(array->Ubound(), 7);
    EXPECT_EQ(Entries(*array), std::vector<std::string>(8, ""));
}

TEST(ArrayTest, StoresAndInserts) {
    auto array = fw::CreateArray<String>(-1);
    array->Insert(0, "b");                   // into an empty array
    array->Insert(array->Ubound() + 1, "d");  // appends
    array->Insert(0, "a");
    array->Insert(2, "c");
    EXPECT_EQ(Entries(*array), (std::vector<std::string>{"a", "b", "c", "d"}));
    array->Store(3, "ü");
    array->Store(0, "");
    EXPECT_EQ(Entries(*array), (std::vector<std::string>{"", "b", "c", "ü"}));
    EXPECT_EQ(array->Ubound(), 3);
}

TEST(ArrayTest, EntriesStayWhereTheyAreWhileTheArrayGrows) {
    auto array = fw::CreateArray<String>(-1);
    array->Insert(0, "erste");
    const String& first = (*array)(0);
    for (int i = 0; i < 100'000; ++i) array->Insert(array->Ubound() + 1, "weitere");
    EXPECT_EQ(first.Bytes(), "erste");
}

TEST(ArrayTest, AnIndexOutsideRaisesOutOfBounds) {
    struct Case {
        int upperBound, index;
        bool insertable;
    };
    const std::vector<Case> cases = {
        {-1, -1, false}, {-1, 0, true},  {-1, 1, false}, {2, -1, false},
        {2, 3, true},    {2, 4, false},  {2, INT32_MIN, false}, {2, INT32_MAX, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.upperBound) + " / " + std::to_string(c.index));
        auto array = fw::CreateArray<String>(c.upperBound);
        EXPECT_THROW((*array)(c.index), fw::OutOfBoundsException);
        EXPECT_THROW(array->Store(c.index, "x"), fw::OutOfBoundsException);
        if (c.insertable) {
            EXPECT_NO_THROW(array->Insert(c.index, "x"));
        } else {
            EXPECT_THROW(array->Insert(c.index, "x"), fw::OutOfBoundsException);
        }
    }
}

TEST(VariantTest, HoldsAText) {
    EXPECT_TRUE(fw::Variant().StringValue().IsEmpty());
    EXPECT_EQ(fw::StringToVariant("Grüße €").StringValue().Bytes(), "Grüße €");

    auto values = fw::CreateArray<fw::Variant>(1);
    values->Store(1, fw::StringToVariant("zweiter"));
    EXPECT_TRUE((*values)(0).StringValue().IsEmpty());
    EXPECT_EQ((*values)(1).StringValue().Bytes(), "zweiter");
}

}  // namespace
