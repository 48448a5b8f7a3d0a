#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/ScriptRunner.h"
#include "tests/support/Bundle.h"

namespace testsupport {

// Puts an in-process runner in place of the real one while it lives, and keeps every
// booking handed to it, with the script it was meant for. `onBooking`, when given, runs
// inside the send after each booking is kept, with the number kept so far.
class CapturedBookings {
public:
    struct Call {
        std::string script;
        Booking values;
    };

    explicit CapturedBookings(std::function<void(std::size_t kept)> onBooking = {});
    ~CapturedBookings();
    CapturedBookings(const CapturedBookings&) = delete;
    CapturedBookings& operator=(const CapturedBookings&) = delete;

    const std::vector<Call>& Calls() const { return *calls_; }
    std::vector<Booking> Bookings() const;

private:
    std::shared_ptr<std::vector<Call>> calls_ = std::make_shared<std::vector<Call>>();
    std::unique_ptr<fw::ScriptRunner> previous_;
};

// Takes the place of the message box while it lives, and keeps the texts shown.
class CapturedMessages {
public:
    CapturedMessages();
    ~CapturedMessages();
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    const std::vector<std::string>& Texts() const { return *texts_; }

private:
    std::shared_ptr<std::vector<std::string>> texts_ = std::make_shared<std::vector<std::string>>();
    std::function<void(const fw::String&)> previous_;
};

}  // namespace testsupport
