#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "bench/ExportGenerator.h"

namespace bench {

// Prints the benchmarks as the console does and keeps their figures, so that after the
// run each goal can be set beside what was measured, in a Markdown table.
class GoalReport : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Gives whether every goal was met.
    bool PrintGoals(std::ostream& out, const ExportFile& file) const;

private:
    struct Goal {
        std::string measure, figure, target;
        bool met;
    };
    // One per goal whose benchmarks ran.
    std::vector<Goal> Goals(const ExportFile& file) const;

    struct Figures {
        double seconds = 0;  // real time of one iteration, the fastest repetition's
        benchmark::UserCounters counters;
    };
    bool Has(const char* name) const;
    const Figures& Of(const char* name) const;
    double Counter(const char* name, const char* counter) const;

    std::map<std::string, Figures> figures_;
};

}  // namespace bench
