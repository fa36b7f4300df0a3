#pragma once

#include <benchmark/benchmark.h>

// The register sizes that every size-dependent measurement runs at.
inline constexpr int kBenchSizes[] = {1'000, 10'000, 100'000};

inline void atBenchSizes(benchmark::internal::Benchmark* benchmark) {
    for (const int rows : kBenchSizes)
        benchmark->Arg(rows);
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Registered in this order, so that each figure runs next to its reference.
void registerStoreBenchmarks();
void registerOperationBenchmarks();
void registerStartupBenchmarks();
