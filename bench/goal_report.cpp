#include "goal_report.h"

#include <cstdio>
#include <functional>

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        // Named by function and argument alone, whatever timing options it ran with.
        const std::string name = run.run_name.args.empty()
                                     ? run.run_name.function_name
                                     : run.run_name.function_name + "/" + run.run_name.args;
        seconds_[name] = run.real_accumulated_time / double(run.iterations);
        counters_[name] = run.counters;
    }
}

std::optional<double> GoalReporter::seconds(const std::string& run) const {
    const auto found = seconds_.find(run);
    return found == seconds_.end() ? std::nullopt : std::optional(found->second);
}

std::optional<double> GoalReporter::counter(const std::string& run, const std::string& name) const {
    const auto found = counters_.find(run);
    if (found == counters_.end() || !found->second.count(name))
        return std::nullopt;
    return found->second.at(name).value;
}

namespace {

struct Goal {
    const char* name;
    const char* unit;
    double limit;
    std::function<std::optional<double>(const GoalReporter&)> measure;
};

std::optional<double> ratio(std::optional<double> figure, std::optional<double> reference) {
    if (!figure || !reference || *reference <= 0)
        return std::nullopt;
    return *figure / *reference;
}

std::optional<double> growth(const GoalReporter& report, const std::string& benchmark) {
    return ratio(report.seconds(benchmark + "/100000"), report.seconds(benchmark + "/10000"));
}

} // namespace

void GoalReporter::printGoals() const {
    const Goal goals[] = {
        {"load_100000_vs_floor", "x", 4,
         [](const GoalReporter& r) {
             return ratio(r.seconds("load/100000"), r.seconds("load_floor/100000"));
         }},
        {"save_100000_vs_floor", "x", 2,
         [](const GoalReporter& r) {
             return ratio(r.seconds("save/100000"), r.seconds("save_floor/100000"));
         }},
        {"entry_growth_10000_to_100000", "x", 12,
         [](const GoalReporter& r) { return growth(r, "entry"); }},
        {"delete_ticked_growth_10000_to_100000", "x", 12,
         [](const GoalReporter& r) { return growth(r, "delete_ticked"); }},
        {"delete_due_growth_10000_to_100000", "x", 12,
         [](const GoalReporter& r) { return growth(r, "delete_due"); }},
        {"delete_ticked_100000_vs_save_plus_load", "x", 3,
         [](const GoalReporter& r) -> std::optional<double> {
             const auto save = r.seconds("save/100000");
             const auto load = r.seconds("load/100000");
             if (!save || !load)
                 return std::nullopt;
             return ratio(r.seconds("delete_ticked/100000"), *save + *load);
         }},
        {"startup_10000_vs_bare_window", "x", 1.3,
         [](const GoalReporter& r) {
             return ratio(r.seconds("startup/10000"), r.seconds("startup_bare_window"));
         }},
        {"memory_100000_above_bare_window", " MiB", 64,
         [](const GoalReporter& r) -> std::optional<double> {
             const auto program = r.counter("startup/100000", "peak_rss_mib");
             const auto bare = r.counter("startup_bare_window", "peak_rss_mib");
             if (!program || !bare)
                 return std::nullopt;
             return *program - *bare;
         }},
    };
    std::printf("\n");
    for (const Goal& goal : goals) {
        const std::optional<double> value = goal.measure(*this);
        if (value)
            std::printf("%s: %.2f%s (goal <= %.4g%s) %s\n", goal.name, *value, goal.unit,
                        goal.limit, goal.unit, *value <= goal.limit ? "ok" : "SHORT");
        else
            std::printf("%s: not measured (goal <= %.4g%s) SHORT\n", goal.name, goal.limit,
                        goal.unit);
    }
    std::fflush(stdout);
}
