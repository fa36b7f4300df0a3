#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// Shows every run as the console reporter does and keeps each run's time per iteration
// and counters, so that the goals can be judged from the figures of this same run.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration, or a counter's value, of the run of that name, if it ran.
    std::optional<double> seconds(const std::string& run) const;
    std::optional<double> counter(const std::string& run, const std::string& name) const;

    // One line per goal, NAME: VALUE (goal GOAL) ok|SHORT.
    void printGoals() const;

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, benchmark::UserCounters> counters_;
};
