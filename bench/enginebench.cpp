// BM_EngineCall: one full solve-and-draw of the worked example with dive and
// roll shown (static, camber-gain and dive-and-roll passes, scene built), as
// one redraw of the main window costs.
#include "workedlayout.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EngineCall(benchmark::State &state)
{
    tarvik::EngineInput input = tarvik::bench::workedExampleInput();
    input.applyDiveRoll = true;
    input.entries[tarvik::Entry::dive()] = "1";
    input.entries[tarvik::Entry::roll()] = "2";
    input.withScene = true;
    for (auto _ : state) {
        tarvik::EngineOutput out = tarvik::runEngine(input);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_EngineCall);

} // namespace
