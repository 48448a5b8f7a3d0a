#pragma once

#include <filesystem>

#include "bench/ExportGenerator.h"

namespace bench {

// What every benchmark of a run shares: a temporary folder (removed at the end), the
// generated exports in it, a stand-in booking script, two bundles that differ only in
// their booking script, and HOME pointed there so that the shipped script writes its
// journal there and not into the user's home.
class BenchEnvironment {
public:
    BenchEnvironment(std::uintmax_t exportBytes, std::uintmax_t smallExportBytes);
    ~BenchEnvironment();
    BenchEnvironment(const BenchEnvironment&) = delete;
    BenchEnvironment& operator=(const BenchEnvironment&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    const ExportFile& Export() const { return export_; }
    // Small enough that a send of it, one process per booking, takes about a second.
    const ExportFile& SmallExport() const { return smallExport_; }
    // A script that does nothing: what remains is the cost of starting it.
    const std::filesystem::path& EmptyScript() const { return emptyScript_; }
    // The booking script of the bundle this program runs in.
    const std::filesystem::path& ShippedScript() const { return shippedScript_; }
    // The programs of the bundles with the shipped and with the empty script.
    const std::filesystem::path& ShippedScriptProgram() const { return shippedScriptProgram_; }
    const std::filesystem::path& EmptyScriptProgram() const { return emptyScriptProgram_; }

private:
    std::filesystem::path folder_;
    ExportFile export_;
    ExportFile smallExport_;
    std::filesystem::path emptyScript_;
    std::filesystem::path shippedScript_;
    std::filesystem::path shippedScriptProgram_;
    std::filesystem::path emptyScriptProgram_;
};

// The environment of the running benchmark program.
const BenchEnvironment& Environment();
void SetEnvironment(const BenchEnvironment* environment);

}  // namespace bench
