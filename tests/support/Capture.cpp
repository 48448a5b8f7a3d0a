#include "tests/support/Capture.h"

#include "framework/core/Runtime.h"

namespace testsupport {

namespace {

class RecordingRunner : public fw::ScriptRunner {
public:
    RecordingRunner(std::shared_ptr<std::vector<CapturedBookings::Call>> calls, std::function<void(std::size_t)> onBooking)
        : calls_(std::move(calls)), onBooking_(std::move(onBooking)) {}

    void Run(const fw::FolderItem& script, const fw::Array<fw::Variant>& values) override {
        Booking booking;
        for (int i = 0; i <= values.Ubound(); ++i) booking.push_back(values(i).StringValue().Bytes());
        calls_->push_back({script.AbsolutePath().Bytes(), std::move(booking)});
        if (onBooking_) onBooking_(calls_->size());
    }

private:
    std::shared_ptr<std::vector<CapturedBookings::Call>> calls_;
    std::function<void(std::size_t)> onBooking_;
};

}  // namespace

CapturedBookings::CapturedBookings(std::function<void(std::size_t kept)> onBooking)
    : previous_(fw::SetScriptRunner(std::make_unique<RecordingRunner>(calls_, std::move(onBooking)))) {}

CapturedBookings::~CapturedBookings() { fw::SetScriptRunner(std::move(previous_)); }

std::vector<Booking> CapturedBookings::Bookings() const {
    std::vector<Booking> bookings;
    for (const auto& call : *calls_) bookings.push_back(call.values);
    return bookings;
}

CapturedMessages::CapturedMessages()
    : previous_(fw::SetMessageBoxHandler([texts = texts_](const fw::String& text) { texts->push_back(text.Bytes()); })) {}

CapturedMessages::~CapturedMessages() { fw::SetMessageBoxHandler(std::move(previous_)); }

}  // namespace testsupport
