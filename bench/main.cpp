#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#include "app/App.h"
#include "bench/BenchEnvironment.h"
#include "bench/Benchmarks.h"
#include "bench/GoalReport.h"
#include "bench/PeakMemory.h"

namespace {

// About 150,000 transactions.
constexpr std::uintmax_t kExportBytes = 50'000'000;

}  // namespace

// Measures the import against its speed and memory goals and prints them as a table;
// the exit status is 1 when a goal is missed.
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], bench::kPeakMemorySwitch) == 0) return bench::ReportLoadMemory(argv[2]);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The repetitions of all benchmarks are run in a random order, so that a slow spell of
    // the machine does not fall on one side of a comparison alone.
    std::vector<char*> arguments(argv, argv + argc);
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaving);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 2;

    const bench::BenchEnvironment environment(kExportBytes);
    bench::SetEnvironment(&environment);
    fw::_RuntimeRegisterAppObject(std::make_shared<class App>());
    bench::RegisterBenchmarks();
    bench::GoalReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    const bool met = report.PrintGoals(std::cout, environment.Export());
    fw::_RuntimeRegisterAppObject(nullptr);
    bench::SetEnvironment(nullptr);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
