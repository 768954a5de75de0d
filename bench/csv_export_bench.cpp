#include "core/csv_export.h"
#include "core/module1.h"
#include "core/simulation.h"
#include "test_support/example_converter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

namespace {

// The largest period the verification accepts, with simulated samples (three periods from a
// discharged converter: every sample a full-precision double): about 1 GB of text, formatted
// and written to the temporary folder, with the rename over the previous iteration's file.
void BM_ExportCsvAtMostSamples(benchmark::State& state) {
    Module1 m = ExampleConverter();
    m.N = 10000000;
    m.NI = 3;
    SimulatePeriods(m, nullptr, CycleShortcut::Off);
    const std::filesystem::path target =
        std::filesystem::temp_directory_path() / "converter_bench_forme_d_onda.csv";
    for (auto _ : state) {
        if (ExportLastPeriodCsv(m, target, nullptr).outcome != CsvExportOutcome::Written) {
            state.SkipWithError("the table could not be written");
            break;
        }
    }
    if (std::filesystem::exists(target)) {
        const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(target));
        state.SetBytesProcessed(state.iterations() * bytes);
        std::filesystem::remove(target);
    }
}

} // namespace

BENCHMARK(BM_ExportCsvAtMostSamples)->Unit(benchmark::kMillisecond)->Iterations(3);
