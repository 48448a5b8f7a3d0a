#include "framework/core/String.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fw::String;

TEST(StringTest, HoldsItsUtf8Bytes) {
    const String text = "Grüße";
    EXPECT_EQ(text.Bytes(), "Grüße");
    EXPECT_TRUE(String().IsEmpty());
    EXPECT_FALSE(text.IsEmpty());
}

TEST(StringTest, ComparesExactly) {
    struct Case {
        String a, b;
        bool equal;
    };
    const std::vector<Case> cases = {
        {"abc", "abc", true}, {"abc", "abd", false}, {"abc", "ABC", false}, {"ä", "Ä", false},
        {"", "", true},       {"a", "", false},      {"ab", "abc", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.a.Bytes() << "\" / \"" << c.b.Bytes() << '"');
        EXPECT_EQ(c.a == c.b, c.equal);
        EXPECT_EQ(c.b == c.a, c.equal);
    }
}

TEST(StringTest, Joins) {
    EXPECT_EQ((String("Betrag ") + "5 €").Bytes(), "Betrag 5 €");
    EXPECT_EQ((String("a") + String()).Bytes(), "a");
    EXPECT_EQ((String() + String()).Bytes(), "");
}

}  // namespace
