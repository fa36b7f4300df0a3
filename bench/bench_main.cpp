#include "bench_registry.h"
#include "goal_report.h"

#include <QApplication>

// Runs every measurement of the register's performance and ends with one line per goal.
// The list views are drawn off screen, so no display is needed.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerStoreBenchmarks();
    registerOperationBenchmarks();
    registerStartupBenchmarks();
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printGoals();
    benchmark::Shutdown();
    return 0;
}
