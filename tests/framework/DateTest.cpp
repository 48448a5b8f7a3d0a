#include "framework/core/Date.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

struct Fields {
    int year, month, day;
    bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& f, std::ostream* out) {
    *out << f.day << '.' << f.month << '.' << f.year;
}

Fields FieldsOf(const fw::Date& d) { return {d.Year(), d.Month(), d.Day()}; }

TEST(ParseDateTest, ReadsTheDateFormsOfTheExport) {
    struct Case {
        std::string text;
        Fields expected;
    };
    const std::vector<Case> cases = {
        {"15.03.2024", {2024, 3, 15}},
        {"5.3.2024", {2024, 3, 5}},
        {"05.3.2024", {2024, 3, 5}},
        {"15.03.24", {2024, 3, 15}},
        {"01.01.00", {2000, 1, 1}},
        {"31.12.49", {2049, 12, 31}},
        {"01.01.50", {1950, 1, 1}},
        {"31.12.99", {1999, 12, 31}},
        {"2024-03-15", {2024, 3, 15}},
        {"29.02.2024", {2024, 2, 29}},
        {"29.02.2000", {2000, 2, 29}},
        {"2024-02-29", {2024, 2, 29}},
        {"31.12.2024", {2024, 12, 31}},
        {"15.03.2024 14:30", {2024, 3, 15}},
        {"15.03.2024 14:30:59", {2024, 3, 15}},
        {"15.03.2024 9:05", {2024, 3, 15}},
        {"2024-03-15T23:59:59", {2024, 3, 15}},
        {"2024-03-15 00:00", {2024, 3, 15}},
        {"  15.03.2024  ", {2024, 3, 15}},
        {"15.03.2024   08:15 ", {2024, 3, 15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        std::shared_ptr<fw::Date> date;
        ASSERT_TRUE(fw::ParseDate(c.text, date));
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(FieldsOf(*date), c.expected);
    }
}

TEST(ParseDateTest, RefusesImpossibleDatesAndGarbageAndKeepsTheOldDate) {
    const std::vector<std::string> texts = {
        "31.02.2024", "29.02.2023", "29.02.1900", "31.04.2024", "00.01.2024", "01.00.2024", "01.13.2024",
        "32.01.2024", "2024-13-01", "2024-02-30", "2024-00-10", "01.01.0000",
        "15.03.2024 25:00", "15.03.2024 24:00", "15.03.2024 12:60", "15.03.2024 12:30:60",
        "15.03.2024 12", "15.03.2024 12:", "15.03.2024 12:5", "15.03.2024T", "15.03.2024 x",
        "", " ", "abc", "15.03.", "15.03", "15-03-2024", "15.03.2024x", "15.03.202", "15.03.2", "15.03.20245",
        "123.03.2024", "15.003.2024", "2024-3-15", "24-03-15", "2024/03/15", "15,03,2024", "Datum 15.03.2024",
        "15.03.2024 14:30 Uhr", "-1.03.2024",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE("\"" + text + "\"");
        const auto before = std::make_shared<fw::Date>(1999, 12, 31);
        auto date = before;
        EXPECT_FALSE(fw::ParseDate(text, date));
        EXPECT_EQ(date, before);
        EXPECT_EQ(FieldsOf(*date), (Fields{1999, 12, 31}));

        std::shared_ptr<fw::Date> nil;
        EXPECT_FALSE(fw::ParseDate(text, nil));
        EXPECT_EQ(nil, nullptr);
    }
}

TEST(ParseDateTest, ASuccessGivesANewDate) {
    const auto before = std::make_shared<fw::Date>(1999, 12, 31);
    auto date = before;
    ASSERT_TRUE(fw::ParseDate("01.02.2003", date));
    EXPECT_NE(date, before);
    EXPECT_EQ(FieldsOf(*before), (Fields{1999, 12, 31}));
    EXPECT_EQ(FieldsOf(*date), (Fields{2003, 2, 1}));
}

TEST(DateTest, ANewDateIsNow) {
    // Read the clock on both sides, so a change of day in between is no failure.
    auto localNow = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return Fields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    };
    const Fields before = localNow();
    const Fields now = FieldsOf(fw::Date());
    const Fields after = localNow();
    EXPECT_TRUE(now == before || now == after) << testing::PrintToString(now);
}

TEST(DateTest, KeepsItsFields) {
    EXPECT_EQ(FieldsOf(fw::Date(2024, 2, 29)), (Fields{2024, 2, 29}));
}

}  // namespace
