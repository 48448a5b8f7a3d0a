#pragma once

#include <filesystem>

namespace bench {

// How the event loop fared while the main window loaded an export.
struct LoadResponsiveness {
    double longestGapMs = 0;  // the longest time between two event-loop turns
    double loadSeconds = 0;
    long turns = 0;
};

// Opens the real main window (offscreen Qt, the framework's background turns installed),
// loads `exportFile` from inside the running event loop, and watches the loop with a
// zero-interval timer, which fires once per turn. The gaps before the first turn and after
// the last one count too.
LoadResponsiveness MeasureLoadResponsiveness(const std::filesystem::path& exportFile);

}  // namespace bench
