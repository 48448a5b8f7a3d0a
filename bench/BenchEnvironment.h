#pragma once

#include <filesystem>

#include "bench/ExportGenerator.h"

namespace bench {

// What every benchmark of a run shares: a temporary folder (removed at the end), the
// generated export in it, a stand-in booking script, and HOME pointed there so that the
// shipped script writes its journal there and not into the user's home.
class BenchEnvironment {
public:
    explicit BenchEnvironment(std::uintmax_t exportBytes);
    ~BenchEnvironment();
    BenchEnvironment(const BenchEnvironment&) = delete;
    BenchEnvironment& operator=(const BenchEnvironment&) = delete;

    const ExportFile& Export() const { return export_; }
    const std::filesystem::path& Folder() const { return folder_; }
    // A script that does nothing: what remains is the cost of starting it.
    const std::filesystem::path& EmptyScript() const { return emptyScript_; }
    // The booking script of the bundle this program runs in.
    std::filesystem::path ShippedScript() const;

private:
    std::filesystem::path folder_;
    ExportFile export_;
    std::filesystem::path emptyScript_;
};

// The environment of the running benchmark program.
const BenchEnvironment& Environment();
void SetEnvironment(const BenchEnvironment* environment);

}  // namespace bench
