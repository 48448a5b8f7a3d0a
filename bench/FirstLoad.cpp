#include "bench/FirstLoad.h"

#include <malloc.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <string>

#include "bench/ChildProcess.h"
#include "windows/Fenster1.h"

namespace bench {

namespace {

// A field of /proc/self/status in bytes ("VmRSS:  1234 kB").
std::uint64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string name; status >> name;) {
        std::uint64_t kilobytes = 0;
        if (name == field + ":" && status >> kilobytes) return kilobytes * 1024;
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    throw std::runtime_error("no " + field + " in /proc/self/status");
}

std::uint64_t HeapInUse() {
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace

FirstLoad MeasureFirstLoad(const std::filesystem::path& exportFile, const std::filesystem::path& scratchFolder) {
    auto output = OutputOf({std::filesystem::read_symlink("/proc/self/exe").string(), kFirstLoadSwitch,
                            exportFile.string()},
                           scratchFolder / "first-load.txt");
    FirstLoad load;
    output >> load.seconds >> load.peakGrowthBytes >> load.heapGrowthBytes;
    return load;
}

int ReportFirstLoad(const std::filesystem::path& exportFile) {
    auto window = std::make_shared<class Fenster1>();
    window->f = std::make_shared<fw::FolderItem>(fw::String(exportFile.string()));
    const auto residentBefore = StatusBytes("VmRSS");
    const auto heapBefore = HeapInUse();
    const auto start = std::chrono::steady_clock::now();
    window->Laden();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::cout << seconds.count() << ' ' << StatusBytes("VmHWM") - residentBefore << ' ' << HeapInUse() - heapBefore
              << '\n';
    return 0;
}

}  // namespace bench
