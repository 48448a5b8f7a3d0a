#include "tests/support/Bundle.h"

#include <fstream>

#include "tests/support/TempDir.h"

namespace testsupport {

namespace fs = std::filesystem;

fs::path BundleContents() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path(); }

fs::path BookingScriptPath() { return BundleContents() / "Resources" / "buchungViaKw7.scpt"; }

void WriteExecutable(const fs::path& path, const std::string& body) {
    fs::create_directories(path.parent_path());
    // A new file each time, so a script replaced while another one runs is never half written.
    const fs::path temporary = path.string() + ".new";
    std::ofstream(temporary, std::ios::binary) << "#!/bin/sh\n" << body;
    fs::permissions(temporary, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    fs::rename(temporary, path);
}

InstalledScript::InstalledScript(const std::string& body) { WriteExecutable(BookingScriptPath(), body); }

InstalledScript::~InstalledScript() {
    std::error_code ignored;
    fs::remove(BookingScriptPath(), ignored);
}

namespace {

fs::path NewJournal() {
    static int count = 0;
    const fs::path journal = BundleContents() / ("journal-" + std::to_string(++count) + ".bin");
    fs::remove(journal);
    return journal;
}

}  // namespace

// Each call writes its argument count and then every argument, each closed by a NUL.
std::string RecordingScript::RecordCommand(const fs::path& journal) {
    return "{ printf '%s\\000' \"$#\"; for a in \"$@\"; do printf '%s\\000' \"$a\"; done; } >> '" + journal.string() +
           "'\n";
}

RecordingScript::RecordingScript(const std::string& before)
    : journal_(NewJournal()), script_(before + RecordCommand(journal_)) {}

std::vector<Booking> RecordingScript::Bookings() const { return ReadJournal(journal_); }

std::vector<Booking> ReadJournal(const fs::path& journal) {
    const std::string bytes = ReadFile(journal);
    std::vector<Booking> bookings;
    std::size_t at = 0;
    auto next = [&] {
        const auto end = bytes.find('\0', at);
        std::string field = bytes.substr(at, end - at);
        at = end + 1;
        return field;
    };
    while (at < bytes.size()) {
        const int count = std::stoi(next());
        Booking booking;
        for (int i = 0; i < count; ++i) booking.push_back(next());
        bookings.push_back(std::move(booking));
    }
    return bookings;
}

}  // namespace testsupport
