// The workbench's 512 × 512 validity map of the oval ("table" across, crown
// angle down), as `cutting-host sweep` runs it, on one thread and on two.
#include "core/plugin.hpp"
#include "core/stone.hpp"
#include "evaluate/sweep_axis.hpp"
#include "evaluate/sweep_run.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace cutting::host;

void SweepValidityMap(benchmark::State& state, unsigned threads) {
    const std::shared_ptr<const Plugin> plugin = Plugin::Load(LIRENTO_PATH);
    const CuttingId id = plugin->CuttingIds().front();
    Stone base(plugin, plugin->Describe(id));
    base.Init();
    const SweepAxis x = ParseSweepAxis(base.GetCutting(), "table=0.3:0.8:512");
    const SweepAxis y = ParseSweepAxis(base.GetCutting(), "crown-angle=20deg:50deg:512");
    for (auto _ : state) benchmark::DoNotOptimize(RunSweep(base, x, y, std::nullopt, threads));
}

BENCHMARK_CAPTURE(SweepValidityMap, OneThread, 1u)
    ->Name("SweepOneThread")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SweepValidityMap, TwoThreads, 2u)
    ->Name("SweepTwoThreads")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
