// Feeds arbitrary bytes through the loader, as a chosen export file, and then through
// one send with an in-process runner that only records. Any exception, sanitizer report
// or broken check below ends the run as a finding.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/App.h"
#include "tests/support/Capture.h"
#include "windows/Fenster1.h"

namespace {

const std::string kClosingLine = "</transfer_daten>";
const std::string kLozenge = "◊";

std::filesystem::path& ExportPath() {
    static std::filesystem::path path;
    return path;
}

void RemoveExportFolder() { std::filesystem::remove_all(ExportPath().parent_path()); }

[[noreturn]] void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

void Expect(bool holds, const std::string& what) {
    if (!holds) Finding(what);
}

void WriteExport(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(ExportPath().c_str(), "wb");
    Expect(file != nullptr, "cannot write the export");
    Expect(std::fwrite(data, 1, size, file) == size, "cannot write the export");
    std::fclose(file);
}

// Checks the lines a load gave, and gives the number of closing lines among them.
std::size_t CheckLoadedLines(const class Fenster1& window) {
    const auto& lines = *window.zeilen;
    Expect(lines.Ubound() >= 0, "a load added no line");
    Expect(window.anz_zeilen == lines.Ubound(), "anz_zeilen is not the last index");
    std::size_t closingLines = 0;
    for (int i = 0; i <= lines.Ubound(); ++i) {
        const std::string line = lines(i).Bytes();
        Expect(line.find(kLozenge) == std::string::npos, "an entry holds a lozenge");
        if (line == kClosingLine) ++closingLines;
    }
    return closingLines;
}

void LoadAndSend(const std::uint8_t* data, std::size_t size) {
    WriteExport(data, size);
    testsupport::CapturedBookings captured;
    const auto window = std::make_shared<class Fenster1>();
    window->f = std::make_shared<fw::FolderItem>(fw::String(ExportPath().string()));
    window->Laden();
    const std::size_t closingLines = CheckLoadedLines(*window);
    window->buchung_erzeugen();
    const auto bookings = captured.Bookings();
    Expect(bookings.size() == closingLines, "not one booking per closing line");
    Expect(std::all_of(bookings.begin(), bookings.end(), [](const auto& b) { return b.size() == 8; }),
           "a booking without eight values");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data())) Finding("cannot make a temporary folder");
    ExportPath() = std::filesystem::path(folder) / "export.xml";
    std::atexit(RemoveExportFolder);
    // The hand-off asks the application object for the running executable.
    fw::_RuntimeRegisterAppObject(std::make_shared<class App>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        LoadAndSend(data, size);
    } catch (const std::exception& e) {
        Finding(std::string("exception: ") + e.what());
    }
    return 0;
}
