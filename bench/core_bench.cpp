#include <benchmark/benchmark.h>

#include "macro/fmt.h"

static void BM_fmt(benchmark::State& state) {
    float value = 12.3456F;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plessard::macro::fmt(value));
    }
}
BENCHMARK(BM_fmt);

BENCHMARK_MAIN();
