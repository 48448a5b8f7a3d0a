#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <vector>

#include "app/App.h"
#include "bench/BenchEnvironment.h"
#include "bench/Benchmarks.h"
#include "bench/FirstLoad.h"
#include "bench/GoalReport.h"
#include "bench/UserSend.h"

namespace {

// About 150,000 transactions.
constexpr std::uintmax_t kExportBytes = 50'000'000;
// About 300 transactions.
constexpr std::uintmax_t kSmallExportBytes = 100'000;

// The program started anew as a measuring child: `--switch export` writes its figures to
// the standard output. Gives -1 when the arguments ask for no child.
int RunAsChild(int argc, char** argv) {
    if (argc != 3) return -1;
    using Child = int (*)(const std::filesystem::path&);
    for (const auto& [name, child] : {std::pair<const char*, Child>{bench::kFirstLoadSwitch, bench::ReportFirstLoad},
                                      {bench::kSendSwitch, bench::ReportSend}}) {
        if (std::strcmp(argv[1], name) != 0) continue;
        try {
            return child(argv[2]);
        } catch (const std::exception& error) {
            std::cerr << argv[1] << ": " << error.what() << '\n';
            return 1;
        }
    }
    return -1;
}

}  // namespace

// Measures the import against its speed and memory goals and prints them as a table;
// the exit status is 1 when a goal is missed.
int main(int argc, char** argv) {
    if (const int status = RunAsChild(argc, argv); status >= 0) return status;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The repetitions of all benchmarks are run in a random order, so that a slow spell of
    // the machine does not fall on one side of a comparison alone.
    std::vector<char*> arguments(argv, argv + argc);
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaving);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 2;

    const bench::BenchEnvironment environment(kExportBytes, kSmallExportBytes);
    bench::SetEnvironment(&environment);
    fw::_RuntimeRegisterAppObject(std::make_shared<class App>());
    bench::RegisterBenchmarks();
    bench::GoalReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    const bool met = report.PrintGoals(std::cout, environment);
    fw::_RuntimeRegisterAppObject(nullptr);
    bench::SetEnvironment(nullptr);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
