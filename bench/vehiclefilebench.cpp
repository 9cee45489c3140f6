// BM_ReadVehicleFile: reading the worked example vehicle file from disk
// (the shipped copy, or a temporary file holding the same text).
#include "workedlayout.h"

#include <benchmark/benchmark.h>
#include <fstream>

namespace {

void BM_ReadVehicleFile(benchmark::State &state)
{
    std::filesystem::path path = tarvik::bench::workedExamplePath();
    std::filesystem::path temporary;
    if (!std::filesystem::exists(path)) {
        temporary = std::filesystem::temp_directory_path() / "tarvik-bench-worked.tk";
        std::ofstream(temporary, std::ios::binary) << tarvik::bench::workedExampleText();
        path = temporary;
    }
    for (auto _ : state) {
        tarvik::VehicleReadResult read = tarvik::readVehicleFile(path);
        benchmark::DoNotOptimize(read);
    }
    if (!tarvik::readVehicleFile(path).ok) {
        state.SkipWithError("the worked example does not read");
    }
    if (!temporary.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
}
BENCHMARK(BM_ReadVehicleFile);

} // namespace
