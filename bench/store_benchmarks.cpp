#include "bench_desk.h"
#include "bench_registry.h"
#include "record_store.h"

#include <QFile>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The floor for loading: the same file read and cut into lines and fields by the
// standard library alone, each field kept as its own string, no model.
std::vector<std::array<std::string, 6>> splitPlainly(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::array<std::string, 6>> rows;
    for (std::size_t lineStart = 0; lineStart < text.size();) {
        std::size_t lineEnd = text.find("\r\n", lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = text.size();
        const std::string_view line(text.data() + lineStart, lineEnd - lineStart);
        std::array<std::string, 6>& fields = rows.emplace_back();
        std::size_t fieldStart = 0;
        for (std::string& field : fields) {
            const std::size_t fieldEnd = std::min(line.find("---", fieldStart), line.size());
            field = line.substr(fieldStart, fieldEnd - fieldStart);
            fieldStart = std::min(fieldEnd + 3, line.size());
        }
        lineStart = lineEnd + 2;
    }
    return rows;
}

// The floor for saving: the same bytes written to a new file and renamed over the old
// one with plain system calls, flushed to disk as far as the store's own save is.
void writeAndRename(const std::string& directory, const std::string& path, const QByteArray& bytes,
                    bool flush) {
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.constData(), bytes.size()) != bytes.size() ||
        (flush && ::fdatasync(fd) != 0) || ::close(fd) != 0 ||
        ::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error("plain save failed");
    if (flush) {
        const int dir = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
}

void load(benchmark::State& state) {
    BenchDesk bench;
    bench.prepare(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        bench.table.clearRows();
        state.ResumeTiming();
        loadRegister(bench.storeFile(), bench.table);
    }
}

void loadFloor(benchmark::State& state) {
    BenchDesk bench;
    bench.prepare(static_cast<int>(state.range(0)));
    const std::string path = QFile::encodeName(bench.storeFile()).toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(splitPlainly(path));
}

void save(benchmark::State& state) {
    BenchDesk bench;
    bench.prepare(static_cast<int>(state.range(0)));
    for (auto _ : state)
        saveRegister(bench.storeFile(), bench.table);
}

void saveFloor(benchmark::State& state, bool flush) {
    BenchDesk bench;
    bench.prepare(static_cast<int>(state.range(0)));
    QFile file(bench.storeFile());
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the sample register");
    const QByteArray bytes = file.readAll();
    const std::string directory = QFile::encodeName(bench.dir.path()).toStdString();
    const std::string path = QFile::encodeName(bench.storeFile()).toStdString();
    for (auto _ : state)
        writeAndRename(directory, path, bytes, flush);
}

} // namespace

void registerStoreBenchmarks() {
    benchmark::RegisterBenchmark("load", load)->Apply(atBenchSizes);
    benchmark::RegisterBenchmark("load_floor", loadFloor)->Apply(atBenchSizes);
    benchmark::RegisterBenchmark("save", save)->Apply(atBenchSizes);
    benchmark::RegisterBenchmark("save_floor", saveFloor, true)->Apply(atBenchSizes);
    benchmark::RegisterBenchmark("save_floor_unflushed", saveFloor, false)->Apply(atBenchSizes);
}
