#pragma once

#include <cstdint>
#include <filesystem>

namespace bench {

// Memory of one load, measured in a process of its own that does nothing else.
struct LoadMemory {
    // Peak resident set growth: the high-water mark after the load (VmHWM) less the
    // resident set before it (VmRSS).
    std::uint64_t peakGrowthBytes = 0;
    // Heap in use after the load, less before it (mallinfo2): what the loaded lines hold.
    std::uint64_t heapGrowthBytes = 0;
};

// The command-line switch that makes the benchmark program a measuring child.
inline constexpr const char* kPeakMemorySwitch = "--peak-memory-of-load";

// Starts this program anew with the switch, has it load `exportFile`, and reads its result.
LoadMemory MeasureLoadMemory(const std::filesystem::path& exportFile, const std::filesystem::path& scratchFolder);

// The child's side: loads the file into a new main window and writes the two figures.
int ReportLoadMemory(const std::filesystem::path& exportFile);

}  // namespace bench
