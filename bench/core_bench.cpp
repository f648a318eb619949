#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "form/dimension_drawing.h"
#include "input/part_dimensions.h"
#include "macro/fmt.h"
#include "macro/writing_run.h"
#include "params/array_parameters.h"
#include "platform/line_sink.h"

namespace {

using plessard::input::PartDimensions;
using plessard::params::ArrayParameters;

const PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};
const ArrayParameters ten_by_ten{1.0F, 0.8F, 10, 10};

void BM_fmt(benchmark::State& state) {
    const float values[] = {0.0F, 12.3456F, -0.8F, 1234567.0F, 26.4F, 9.9996F};
    for (auto _ : state) {
        for (const float value : values) {
            benchmark::DoNotOptimize(plessard::macro::fmt(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_fmt);

// The 10 x 10 array, 1,408 lines, built in memory.
void BM_array_10x10_memory(benchmark::State& state) {
    plessard::platform::TextBuffer out;
    for (auto _ : state) {
        out.clear();
        plessard::macro::write_macro(out, example, ten_by_ten);
        benchmark::DoNotOptimize(out.text().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(out.text().size()));
}
BENCHMARK(BM_array_10x10_memory)->Unit(benchmark::kMicrosecond);

// The same array written to a file: open, 1,408 lines, close.
void BM_array_10x10_file(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path();
    for (auto _ : state) {
        plessard::macro::write_output_file(folder, example, ten_by_ten);
    }
    std::filesystem::remove(plessard::macro::output_file_path(folder));
}
BENCHMARK(BM_array_10x10_file)->Unit(benchmark::kMicrosecond);

// The floor for the file: the same bytes written by one call into the same file, open to close.
void BM_same_bytes_one_write(benchmark::State& state) {
    plessard::platform::TextBuffer text;
    plessard::macro::write_macro(text, example, ten_by_ten);
    const auto path = plessard::macro::output_file_path(std::filesystem::temp_directory_path());
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(text.text().data(), 1, text.text().size(), file);
        std::fclose(file);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_same_bytes_one_write)->Unit(benchmark::kMicrosecond);

// The dimension drawing for a screen at a scale in percent: what a window pays when it is created
// there or moves to a screen of another scale.
void BM_dimension_drawing(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plessard::form::dimension_drawing(scale).picture.bytes().data());
    }
}
BENCHMARK(BM_dimension_drawing)->DenseRange(100, 300, 25)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
