#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The Contents folder of the bundle this test program runs in.
std::filesystem::path BundleContents();
std::filesystem::path BookingScriptPath();

using Booking = std::vector<std::string>;

// Puts an executable shell script with `body` in the bundle's place of the booking
// script, and removes it again when it goes out of scope.
class InstalledScript {
public:
    explicit InstalledScript(const std::string& body);
    ~InstalledScript();
    InstalledScript(const InstalledScript&) = delete;
    InstalledScript& operator=(const InstalledScript&) = delete;
};

// A booking script that records every call's arguments, byte for byte, in a journal
// file. `before` runs in the script before it records (to fail, say, or replace itself).
class RecordingScript {
public:
    explicit RecordingScript(const std::string& before = "");
    std::vector<Booking> Bookings() const;
    const std::filesystem::path& Journal() const { return journal_; }
    // The shell text that records the call, for scripts of a test's own.
    static std::string RecordCommand(const std::filesystem::path& journal);

private:
    std::filesystem::path journal_;
    InstalledScript script_;
};

// The bookings a recording script wrote to `journal`.
std::vector<Booking> ReadJournal(const std::filesystem::path& journal);

void WriteExecutable(const std::filesystem::path& path, const std::string& body);

}  // namespace testsupport
