#pragma once

#include <memory>

#include "framework/core/String.h"

namespace fw {

// A calendar date. A new Date is the current local date.
class Date {
public:
    Date();
    Date(int year, int month, int day);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }

private:
    int year_, month_, day_;
};

// Reads a date text: DD.MM.YYYY, D.M.YYYY, DD.MM.YY (00-49 as 20YY, 50-99 as 19YY),
// YYYY-MM-DD, each optionally followed by a blank or "T" and a time HH:MM[:SS], with
// blanks around it allowed. Impossible dates (31.02.) are refused. On success `date`
// holds a new Date and the result is true; otherwise `date` is left as it was.
bool ParseDate(const String& text, std::shared_ptr<Date>& date);

}  // namespace fw
