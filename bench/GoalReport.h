#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "bench/BenchEnvironment.h"

namespace bench {

// Prints the benchmarks as the console does and keeps their figures, so that after the
// run each goal can be set beside what was measured, in a Markdown table.
class GoalReport : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Gives whether every goal was met and no benchmark failed.
    bool PrintGoals(std::ostream& out, const BenchEnvironment& environment) const;

private:
    // A row of the table; one without `met` is a figure for information, not a goal.
    struct Row {
        std::string measure, figure, goal;
        std::optional<bool> met;
    };
    // One per measure whose benchmarks ran.
    std::vector<Row> Rows(const BenchEnvironment& environment) const;

    struct Figures {
        double seconds = 0;  // time of one iteration, the fastest repetition's
        benchmark::UserCounters counters;
    };
    bool Has(const char* name) const;
    const Figures& Of(const char* name) const;
    double Counter(const char* name, const char* counter) const;

    std::map<std::string, Figures> figures_;
    std::vector<std::string> failures_;
};

}  // namespace bench
