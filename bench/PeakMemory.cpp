#include "bench/PeakMemory.h"

#include <malloc.h>

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

LoadMemory MeasureLoadMemory(const std::filesystem::path& exportFile, const std::filesystem::path& scratchFolder) {
    const auto result = scratchFolder / "peak-memory.txt";
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    if (RunAndWait({self, kPeakMemorySwitch, exportFile.string()}, result.string()) != 0) {
        throw std::runtime_error("the memory measurement failed");
    }
    LoadMemory memory;
    std::ifstream(result) >> memory.peakGrowthBytes >> memory.heapGrowthBytes;
    return memory;
}

int ReportLoadMemory(const std::filesystem::path& exportFile) {
    auto window = std::make_shared<class Fenster1>();
    window->f = std::make_shared<fw::FolderItem>(fw::String(exportFile.string()));
    const auto residentBefore = StatusBytes("VmRSS");
    const auto heapBefore = HeapInUse();
    window->Laden();
    std::cout << StatusBytes("VmHWM") - residentBefore << ' ' << HeapInUse() - heapBefore << '\n';
    return 0;
}

}  // namespace bench
