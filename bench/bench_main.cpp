#include "bench_registry.h"
#include "goal_report.h"

#include <QApplication>

#include <malloc.h>

// Runs every measurement of the register's performance and ends with one line per goal.
// The list views are drawn off screen, so no display is needed.
int main(int argc, char* argv[]) {
    // Freed memory stays with the process, so that each iteration reuses it instead of
    // faulting fresh pages in: on a virtual machine that costs more than the work measured,
    // and whether it happens flips with the allocator's state from run to run. A fresh
    // process's page faults are in the start-up figures.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
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
