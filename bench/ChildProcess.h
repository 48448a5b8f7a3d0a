#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

// Starts the program `arguments[0]` (a path) with posix_spawn, no shell in between, and
// waits for it. Its standard output goes to `outputPath`, or stays ours when that is
// empty: then nothing is done beyond the bare spawn and wait. Gives the exit status;
// throws when it cannot start or ends by a signal.
int RunAndWait(const std::vector<std::string>& arguments, const std::string& outputPath = "");

// Runs the program as RunAndWait does, its standard output going to `scratchFile`, and
// gives what it wrote there; throws when it ends with a status other than 0.
std::istringstream OutputOf(const std::vector<std::string>& arguments, const std::filesystem::path& scratchFile);

}  // namespace bench
