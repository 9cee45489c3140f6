// The pick-up point optimizer and the target-camber shims:
// BM_LayoutEvaluation: one optimizer evaluation of the worked example (one
//   engine call, static and camber-gain passes) on one core.
// BM_OptimizeHeightAndGain: a whole search (roll-centre height and camber
//   gain with three heights free on both sides) on every core; the counter
//   evals_per_s_per_core is engine calls per second of wall time per thread,
//   evals_per_cpu_s per second of the process's processor time (what one
//   core does when other programs share the machine).
// BM_ShimTargetSweep: the shim search for every target camber between the
//   lowest and highest a stack reaches, 0.001 deg apart, on both sides of
//   WORKED.TK and CIRCLE.TK; worst_residual_deg is the largest miss.
#include "core/calc/shimtarget.h"
#include "core/design/layoutevaluator.h"
#include "core/design/pickupoptimizer.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/vehiclefile.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <thread>

namespace {

using namespace tarvik;

LayoutState example(const char *file)
{
    LayoutState layout;
    const VehicleReadResult read
        = readVehicleFile(std::filesystem::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / file);
    layout.takeVehicle(read.data, file);
    return layout;
}

DesignTarget target(const char *name, double value)
{
    std::string message;
    DesignTarget t = *parseDesignTargetName(name, message);
    t.value = value;
    return t;
}

// Engine calls per second of processor time of the whole process.
double perCpuSecond(std::uint64_t evaluations, std::clock_t start)
{
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    return seconds > 0 ? static_cast<double>(evaluations) / seconds : 0;
}

DesignProblem heightAndGain()
{
    DesignProblem p;
    p.layout = example("WORKED.TK");
    p.targets = { target("rc-height", 2.0), target("camber-gain", -1.2) };
    p.variables = { makeDesignVariable(
                        coordinateEntry("right.upper_ball_joint.y").value(), 13, 17, true),
        makeDesignVariable(coordinateEntry("right.upper_frame_pivot.y").value(), 12, 16, true),
        makeDesignVariable(coordinateEntry("right.lower_frame_pivot.y").value(), 4, 8, true) };
    return p;
}

void BM_LayoutEvaluation(benchmark::State &state)
{
    DesignProblem p = heightAndGain();
    LayoutEvaluator evaluator(p);
    std::vector<double> values { 15.0, 14.0, 6.0 };
    std::vector<double> achieved(p.targets.size());
    for (auto _ : state) {
        values[1] = values[1] == 14.0 ? 14.5 : 14.0;
        benchmark::DoNotOptimize(evaluator.evaluate(values, achieved));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(evaluator.engineCalls()));
}
BENCHMARK(BM_LayoutEvaluation);

void BM_OptimizeHeightAndGain(benchmark::State &state)
{
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::uint64_t evaluations = 0;
    double worstMiss = 0;
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        OptimizerOptions options;
        options.threads = threads;
        const OptimizerResult r = PickupOptimizer(heightAndGain(), options).run();
        evaluations += r.evaluations;
        for (const DesignTargetOutcome &t : r.targets) {
            worstMiss = std::max(worstMiss, std::fabs(t.achieved - t.target));
        }
    }
    state.counters["evaluations"]
        = benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kAvgIterations);
    state.counters["evals_per_s_per_core"] = benchmark::Counter(
        static_cast<double>(evaluations) / threads, benchmark::Counter::kIsRate);
    state.counters["evals_per_cpu_s"] = perCpuSecond(evaluations, cpuStart);
    state.counters["worst_miss"] = worstMiss;
}
BENCHMARK(BM_OptimizeHeightAndGain)->UseRealTime()->Unit(benchmark::kMillisecond);

// A wider search: twelve coordinates, seven targets, four engine calls per
// evaluation; long enough for the per-core rate to show.
void BM_OptimizeTwelveCoordinates(benchmark::State &state)
{
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    DesignProblem p;
    p.layout = example("WORKED.TK");
    p.targets = { target("rc-height", 3), target("camber-right@2,-3", -2),
        target("camber-left@2,-3", -0.5), target("rc-migration", -1), target("scrub-left", 0.5),
        target("scrub-right", 0.8), target("camber-gain", -1) };
    for (const char *side : { "right", "left" }) {
        for (const char *point : { "upper_ball_joint", "upper_frame_pivot", "lower_frame_pivot" }) {
            for (const char *axis : { "x", "y" }) {
                const Entry entry
                    = coordinateEntry(std::string(side) + "." + point + "." + axis).value();
                const double now = std::stod(p.layout.record.get(entry));
                p.variables.push_back(makeDesignVariable(entry, now - 3, now + 3, false));
            }
        }
    }
    std::uint64_t evaluations = 0;
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        OptimizerOptions options;
        options.threads = threads;
        evaluations += PickupOptimizer(p, options).run().evaluations;
    }
    state.counters["evals_per_cpu_s"] = perCpuSecond(evaluations, cpuStart);
    state.counters["evaluations"]
        = benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kAvgIterations);
    state.counters["evals_per_s_per_core"] = benchmark::Counter(
        static_cast<double>(evaluations) / threads, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OptimizeTwelveCoordinates)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ShimTargetSweep(benchmark::State &state)
{
    double worst = 0;
    double worstOf[2] = { 0, 0 };
    std::int64_t searches = 0;
    for (auto _ : state) {
        for (const int f : { 0, 1 }) {
            const char *file = f == 0 ? "WORKED.TK" : "CIRCLE.TK";
            const LayoutState layout = example(file);
            EntryTexts entries;
            for (const Entry e : Entry::every()) {
                entries[e] = layout.record.get(e);
            }
            for (const int side : { kSideRight, kSideLeft }) {
                const double low = findShimsForCamber(entries, side, -1e3, 9, 9).best.newCamber;
                const double high = findShimsForCamber(entries, side, 1e3, 9, 9).best.newCamber;
                for (double t = low; t <= high; t += 0.001) {
                    const ShimTargetResult r = findShimsForCamber(entries, side, t, 9, 9);
                    worstOf[f] = std::max(worstOf[f], std::fabs(r.best.residual));
                    worst = std::max(worst, worstOf[f]);
                    ++searches;
                }
            }
        }
    }
    state.SetItemsProcessed(searches);
    state.counters["worst_residual_deg"] = worst;
    state.counters["worst_worked_deg"] = worstOf[0];
    state.counters["worst_circle_deg"] = worstOf[1];
}
BENCHMARK(BM_ShimTargetSweep)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
