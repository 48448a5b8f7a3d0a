#include "framework/core/Date.h"

#include <ctime>
#include <optional>
#include <string_view>

namespace fw {

namespace {

// Reads the numbers and separators of a date text from left to right.
class DateScanner {
public:
    explicit DateScanner(std::string_view text) : text_(text) {}

    // A number of `minDigits` to `maxDigits` digits.
    std::optional<int> Number(std::size_t minDigits, std::size_t maxDigits) {
        std::size_t digits = 0;
        int value = 0;
        while (at_ < text_.size() && digits < maxDigits && text_[at_] >= '0' && text_[at_] <= '9') {
            value = value * 10 + (text_[at_++] - '0');
            ++digits;
        }
        if (digits < minDigits) return std::nullopt;
        return value;
    }
    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
        return false;
    }
    bool AtDigit() const { return at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9'; }
    void SkipBlanks() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    }
    bool AtEnd() const { return at_ == text_.size(); }
    std::size_t Position() const { return at_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

struct Fields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsPossible(const Fields& f) {
    return f.year >= 1 && f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= DaysInMonth(f.year, f.month) &&
           f.hour <= 23 && f.minute <= 59 && f.second <= 59;
}

// DD.MM.YYYY, D.M.YYYY or DD.MM.YY
bool ScanGermanDate(DateScanner& s, Fields& f) {
    auto day = s.Number(1, 2);
    if (!day || !s.Take('.')) return false;
    auto month = s.Number(1, 2);
    if (!month || !s.Take('.')) return false;
    const auto yearStart = s.Position();
    auto year = s.Number(2, 4);
    if (!year) return false;
    const auto yearDigits = s.Position() - yearStart;
    if (yearDigits == 3) return false;
    if (yearDigits == 2) *year += *year < 50 ? 2000 : 1900;
    f.day = *day, f.month = *month, f.year = *year;
    return true;
}

// YYYY-MM-DD
bool ScanIsoDate(DateScanner& s, Fields& f) {
    auto year = s.Number(4, 4);
    if (!year || !s.Take('-')) return false;
    auto month = s.Number(2, 2);
    if (!month || !s.Take('-')) return false;
    auto day = s.Number(2, 2);
    if (!day) return false;
    f.day = *day, f.month = *month, f.year = *year;
    return true;
}

// HH:MM or HH:MM:SS
bool ScanTime(DateScanner& s, Fields& f) {
    auto hour = s.Number(1, 2);
    if (!hour || !s.Take(':')) return false;
    auto minute = s.Number(2, 2);
    if (!minute) return false;
    f.hour = *hour, f.minute = *minute;
    if (s.Take(':')) {
        auto second = s.Number(2, 2);
        if (!second) return false;
        f.second = *second;
    }
    return true;
}

std::optional<Fields> ScanDate(std::string_view text) {
    Fields f;
    DateScanner german(text);
    german.SkipBlanks();
    DateScanner iso = german;
    DateScanner* s = nullptr;
    if (ScanGermanDate(german, f)) {
        s = &german;
    } else if (ScanIsoDate(iso, f)) {
        s = &iso;
    } else {
        return std::nullopt;
    }
    if (s->Take('T') || (s->Take(' ') && (s->SkipBlanks(), s->AtDigit()))) {
        if (!ScanTime(*s, f)) return std::nullopt;
    }
    s->SkipBlanks();
    if (!s->AtEnd() || !IsPossible(f)) return std::nullopt;
    return f;
}

}  // namespace

Date::Date() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    year_ = local.tm_year + 1900;
    month_ = local.tm_mon + 1;
    day_ = local.tm_mday;
}

Date::Date(int year, int month, int day) : year_(year), month_(month), day_(day) {}

bool ParseDate(const String& text, std::shared_ptr<Date>& date) {
    const auto fields = ScanDate(text.Bytes());
    if (!fields) return false;
    date = std::make_shared<Date>(fields->year, fields->month, fields->day);
    return true;
}

}  // namespace fw
