#include "bench_registry.h"
#include "sample_register.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

constexpr int kStarts = 8;

// A copy of a probe program in a directory of its own, where the program finds its
// store file.
struct ProbeCopy {
    explicit ProbeCopy(const QString& program) {
        path = dir.filePath(QFileInfo(program).fileName());
        if (!QFile::copy(program, path))
            throw std::runtime_error("cannot copy the probe program");
    }

    QTemporaryDir dir;
    QString path;
};

struct Start {
    double seconds;
    double peakResidentMiB;
};

// Starts the program and waits until it says its window is painted.
Start startOnce(const QString& program) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30'000))
            throw std::runtime_error("the probe program showed no window");
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QList<QByteArray> words = process.readLine().trimmed().split(' ');
    process.waitForFinished(30'000);
    if (words.size() != 2 || words[0] != "shown")
        throw std::runtime_error("the probe program said something else");
    return {seconds, words[1].toDouble() / 1024};
}

void measureStarts(benchmark::State& state, const QString& program) {
    startOnce(program); // Brings the program and its libraries into the page cache.
    double peak = 0;
    for (auto _ : state) {
        const Start start = startOnce(program);
        state.SetIterationTime(start.seconds);
        peak += start.peakResidentMiB;
    }
    state.counters["peak_rss_mib"] = benchmark::Counter(peak, benchmark::Counter::kAvgIterations);
}

// The whole program, from process creation until its window is painted, on a register
// of the given size (0: an empty store file).
void startup(benchmark::State& state) {
    const ProbeCopy probe(QStringLiteral(STARTUP_PROBE));
    const QString storeFile = probe.dir.filePath("lq.vx");
    writeSampleStore(storeFile, static_cast<int>(state.range(0)));
    measureStarts(state, probe.path);
}

void startupBareWindow(benchmark::State& state) {
    const ProbeCopy probe(QStringLiteral(BARE_WINDOW_PROBE));
    measureStarts(state, probe.path);
}

void asStarts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Iterations(kStarts)->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

void registerStartupBenchmarks() {
    benchmark::RegisterBenchmark("startup_bare_window", startupBareWindow)->Apply(asStarts);
    benchmark::RegisterBenchmark("startup", startup)
        ->Arg(0)
        ->Arg(10'000)
        ->Arg(100'000)
        ->Apply(asStarts);
}
