// BM_CamberSweep110: the largest camber table, 10 dive rows by 11 roll
// columns of the worked example, with the baseline shown (so the base and
// difference rows are built too).
#include "core/table/cambertable.h"
#include "workedlayout.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CamberSweep110(benchmark::State &state)
{
    const tarvik::EngineInput layout = tarvik::bench::workedExampleInput();
    const tarvik::TableSpec spec = tarvik::bench::largestTableSpec();
    tarvik::BaselineState baseline;
    baseline.BaselineSpec = spec;
    baseline.ShowBaseline = 1;
    tarvik::copyTableToBaseline(tarvik::fillCamberTable(spec, layout, {}), spec, baseline);
    for (auto _ : state) {
        tarvik::CamberTable table = tarvik::fillCamberTable(spec, layout, baseline);
        benchmark::DoNotOptimize(table);
    }
    const tarvik::CamberTable check = tarvik::fillCamberTable(spec, layout, baseline);
    if (!check.refusal.empty() || check.dataRows * check.dataColumns != 110
        || !check.baselineShown) {
        state.SkipWithError("the sweep is not 10 x 11 with the baseline shown");
    }
}
BENCHMARK(BM_CamberSweep110)->Unit(benchmark::kMicrosecond);

} // namespace
