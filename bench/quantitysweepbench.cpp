// BM_QuantitySweep110: the largest table, 10 dive rows by 11 roll columns of
// the worked example, giving all three quantities: one sweep for camber and
// the roll-centre height and lateral tables from the numbers it kept.
// BM_QuantitySwitch110 is the part a window pays when the user switches
// what the table shows.
#include "core/table/cambertable.h"
#include "workedlayout.h"

#include <benchmark/benchmark.h>

namespace {

void BM_QuantitySweep110(benchmark::State &state)
{
    const tarvik::EngineInput layout = tarvik::bench::workedExampleInput();
    const tarvik::TableSpec spec = tarvik::bench::largestTableSpec();
    for (auto _ : state) {
        const tarvik::CamberTable camber = tarvik::fillCamberTable(spec, layout, {});
        tarvik::CamberTable height
            = tarvik::tableForQuantity(camber, tarvik::TableQuantity::RollCenterHeight, {});
        tarvik::CamberTable lateral
            = tarvik::tableForQuantity(camber, tarvik::TableQuantity::RollCenterLateral, {});
        benchmark::DoNotOptimize(height);
        benchmark::DoNotOptimize(lateral);
    }
    const tarvik::CamberTable check = tarvik::fillCamberTable(spec, layout, {});
    if (!check.refusal.empty() || check.values.size() != 110) {
        state.SkipWithError("the sweep is not 10 x 11");
    }
}
BENCHMARK(BM_QuantitySweep110)->Unit(benchmark::kMicrosecond);

void BM_QuantitySwitch110(benchmark::State &state)
{
    const tarvik::CamberTable camber = tarvik::fillCamberTable(
        tarvik::bench::largestTableSpec(), tarvik::bench::workedExampleInput(), {});
    for (auto _ : state) {
        tarvik::CamberTable height
            = tarvik::tableForQuantity(camber, tarvik::TableQuantity::RollCenterHeight, {});
        benchmark::DoNotOptimize(height);
    }
}
BENCHMARK(BM_QuantitySwitch110)->Unit(benchmark::kMicrosecond);

} // namespace
