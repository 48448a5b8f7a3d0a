#include "bench/BenchEnvironment.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "bench/UserSend.h"

namespace bench {

namespace {

const BenchEnvironment* current = nullptr;

std::filesystem::path MakeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

std::filesystem::path WriteEmptyScript(const std::filesystem::path& folder) {
    const auto path = folder / "leer.scpt";
    std::ofstream(path) << "#!/bin/sh\nexit 0\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

std::filesystem::path BundledScript() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Resources" /
           "buchungViaKw7.scpt";
}

}  // namespace

BenchEnvironment::BenchEnvironment(std::uintmax_t exportBytes, std::uintmax_t smallExportBytes)
    : folder_(MakeFolder()),
      export_(WriteExport(folder_ / "export.xml", exportBytes)),
      smallExport_(WriteExport(folder_ / "klein.xml", smallExportBytes)),
      emptyScript_(WriteEmptyScript(folder_)),
      shippedScript_(BundledScript()),
      shippedScriptProgram_(MakeBundle(folder_ / "shipped.app", shippedScript_)),
      emptyScriptProgram_(MakeBundle(folder_ / "empty.app", emptyScript_)) {
    setenv("HOME", folder_.c_str(), 1);
}

BenchEnvironment::~BenchEnvironment() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

const BenchEnvironment& Environment() {
    if (!current) throw std::logic_error("no benchmark environment");
    return *current;
}

void SetEnvironment(const BenchEnvironment* environment) { current = environment; }

}  // namespace bench
