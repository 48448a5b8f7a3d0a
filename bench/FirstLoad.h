#pragma once

#include <cstdint>
#include <filesystem>

namespace bench {

// One load as a user has it: in a fresh process that loads the export once and does
// nothing else, so every page the lines take is touched for the first time.
struct FirstLoad {
    double seconds = 0;  // the call of `Laden` alone, without the start of the process
    // Peak resident set growth: the high-water mark after the load (VmHWM) less the
    // resident set before it (VmRSS).
    std::uint64_t peakGrowthBytes = 0;
    // Heap in use after the load, less before it (mallinfo2): what the loaded lines hold.
    std::uint64_t heapGrowthBytes = 0;
};

// The command-line switch that makes the benchmark program a loading child.
inline constexpr const char* kFirstLoadSwitch = "--first-load";

// Starts this program anew with the switch, has it load `exportFile`, and reads its result.
FirstLoad MeasureFirstLoad(const std::filesystem::path& exportFile, const std::filesystem::path& scratchFolder);

// The child's side: loads the file into a new main window and writes the three figures.
int ReportFirstLoad(const std::filesystem::path& exportFile);

}  // namespace bench
