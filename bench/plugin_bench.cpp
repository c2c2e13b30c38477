// Every entry point of both plug-ins, loaded as the host loads them, and the
// reference workloads the oval's speed is judged against. Ends with the ratio
// table. Run: build/default/bin/plugin_bench --benchmark_repetitions=5
#include "cutting_plugin.h"
#include "girdle_outline.hpp"
#include "oval_description.hpp"
#include "oval_params.hpp"
#include "ratio_reporter.hpp"

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Plugin {
    GetCuttingListFn getCuttingList;
    GetCuttingInfoFn getCuttingInfo;
    InitDiamondFn initDiamond;
    InitVertexFn initVertex;
    IsCorrectFn isCorrect;
    GetParameterFn getParameter;
    SetParameterFn setParameter;
};

template <class Fn>
Fn Lookup(void* library, const char* name) {
    void* symbol = dlsym(library, name);
    if (symbol == nullptr) {
        std::fprintf(stderr, "missing entry point %s\n", name);
        std::exit(2);
    }
    Fn fn;
    std::memcpy(&fn, &symbol, sizeof fn);
    return fn;
}

Plugin Load(const char* path) {
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        std::exit(2);
    }
    return Plugin{Lookup<GetCuttingListFn>(library, "GetCuttingList"),
                  Lookup<GetCuttingInfoFn>(library, "GetCuttingInfo"),
                  Lookup<InitDiamondFn>(library, "InitDiamond"),
                  Lookup<InitVertexFn>(library, "InitVertex"),
                  Lookup<IsCorrectFn>(library, "IsCorrect"),
                  Lookup<GetParameterFn>(library, "GetParameter"),
                  Lookup<SetParameterFn>(library, "SetParameter")};
}

const Plugin& Oval() {
    static const Plugin plugin = Load(LIRENTO_PATH);
    return plugin;
}

const Plugin& Box() {
    static const Plugin plugin = Load(TAVOLET_PATH);
    return plugin;
}

// A block and a vertex buffer as a host holds them.
struct Stone {
    alignas(8) unsigned char block[128] = {};
    double vertices[3 * 160] = {};
    Diamond diamond{0, block, 0, vertices};

    explicit Stone(const Plugin& plugin) { plugin.initDiamond(&diamond, 1); }
    oval::OvalParams& oval() { return *reinterpret_cast<oval::OvalParams*>(block); }
};

// ---- The reference workload: the 64-sample outline as the oval samples it ----

void OutlineBaseline(benchmark::State& state) {
    oval::Vec2 outline[oval::kGirdleSamples];
    double ratio = 1.2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ratio);
        oval::SuperellipseOutline(oval::kGirdleSamples, 0.0, 0.5, -0.5 * ratio, 0.0, outline);
        benchmark::DoNotOptimize(outline);
    }
}
BENCHMARK(OutlineBaseline);

// ---- The oval plug-in ----

void OvalGetCuttingList(benchmark::State& state) {
    CuttingId ids[4];
    for (auto _ : state) benchmark::DoNotOptimize(Oval().getCuttingList(ids, 4));
}
BENCHMARK(OvalGetCuttingList);

void OvalGetCuttingInfo(benchmark::State& state) {
    CuttingInfo info;
    ParameterNameQuery query{4109, nullptr};
    ParameterId ids[32];
    for (auto _ : state) {
        ParameterList list{32, 0, 1, ids};
        benchmark::DoNotOptimize(Oval().getCuttingInfo(&info, 1, InfoRequestGeneral));
        benchmark::DoNotOptimize(Oval().getCuttingInfo(&query, 1, InfoRequestParameterName));
        benchmark::DoNotOptimize(Oval().getCuttingInfo(&list, 1, InfoRequestParameterList));
    }
}
BENCHMARK(OvalGetCuttingInfo);

void OvalInitDiamond(benchmark::State& state) {
    Stone stone(Oval());
    for (auto _ : state) benchmark::DoNotOptimize(Oval().initDiamond(&stone.diamond, 1));
}
BENCHMARK(OvalInitDiamond);

void OvalInitVertex(benchmark::State& state) {
    Stone stone(Oval());
    for (auto _ : state) {
        benchmark::DoNotOptimize(Oval().initVertex(&stone.diamond, 1));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(OvalInitVertex);

void OvalIsCorrect(benchmark::State& state) {
    Stone stone(Oval());
    for (auto _ : state) benchmark::DoNotOptimize(Oval().isCorrect(&stone.diamond, 1));
}
BENCHMARK(OvalIsCorrect);

void OvalIsCorrectRangeRejected(benchmark::State& state) {
    Stone stone(Oval());
    stone.oval().table = 0.005;  // below the smallest table
    for (auto _ : state) benchmark::DoNotOptimize(Oval().isCorrect(&stone.diamond, 1));
}
BENCHMARK(OvalIsCorrectRangeRejected);

void OvalGetAllParameters(benchmark::State& state) {
    Stone stone(Oval());
    double values[std::size(oval::kParameterList)];
    for (auto _ : state)
        benchmark::DoNotOptimize(Oval().getParameter(values, oval::kParameterList,
                                                     std::size(oval::kParameterList), &stone.diamond, 1));
}
BENCHMARK(OvalGetAllParameters);

void OvalGetOne(benchmark::State& state, ParameterId id) {
    Stone stone(Oval());
    double value = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Oval().getParameter(&value, &id, 1, &stone.diamond, 1));
}
BENCHMARK_CAPTURE(OvalGetOne, StarFacets, oval::ParameterStarFacets)->Name("OvalGetStarFacets");
BENCHMARK_CAPTURE(OvalGetOne, CrownAngle, ParameterCrownAngle)->Name("OvalGetCrownAngle");
BENCHMARK_CAPTURE(OvalGetOne, Table, ParameterTable)->Name("OvalGetTable");

// Each write starts from the defaults, so every iteration does the same work.
void OvalSetOne(benchmark::State& state, ParameterId id, double value) {
    Stone stone(Oval());
    for (auto _ : state) {
        stone.oval() = oval::kDefaults;
        benchmark::DoNotOptimize(Oval().setParameter(&value, &id, 1, &stone.diamond, 1));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(OvalSetOne, Table, ParameterTable, 0.55)->Name("OvalSetTable");
BENCHMARK_CAPTURE(OvalSetOne, CrownAngle, ParameterCrownAngle, 0.6)->Name("OvalSetCrownAngle");
BENCHMARK_CAPTURE(OvalSetOne, TotalHeightPercent, oval::ParameterTotalHeightPercent, 0.7)
    ->Name("OvalSetTotalHeightPercent");
BENCHMARK_CAPTURE(OvalSetOne, TotalHeightFixMm, oval::ParameterTotalHeightFixMm, 0.7)
    ->Name("OvalSetTotalHeightFixMm");
BENCHMARK_CAPTURE(OvalSetOne, TotalHeightMm, oval::ParameterTotalHeightMm, 4.2)->Name("OvalSetTotalHeightMm");
BENCHMARK_CAPTURE(OvalSetOne, StarFacetsReachable, oval::ParameterStarFacets, 0.6)
    ->Name("OvalSetStarFacetsReachable");
// 1.3 lies beyond the measure's reach: the search runs all 502 measures.
BENCHMARK_CAPTURE(OvalSetOne, StarFacetsUnreachable, oval::ParameterStarFacets, 1.3)
    ->Name("OvalSetStarFacetsUnreachable");

// ---- The box plug-in ----

void BoxAllEntryPoints(benchmark::State& state) {
    Stone stone(Box());
    CuttingId cuttings[1];
    CuttingInfo info;
    ParameterId ids[3] = {ParameterDiameter, ParameterGirdle, ParameterRatio};
    double values[3];
    for (auto _ : state) {
        benchmark::DoNotOptimize(Box().getCuttingList(cuttings, 1));
        benchmark::DoNotOptimize(Box().getCuttingInfo(&info, 1, InfoRequestGeneral));
        benchmark::DoNotOptimize(Box().initDiamond(&stone.diamond, 1));
        benchmark::DoNotOptimize(Box().getParameter(values, ids, 3, &stone.diamond, 1));
        benchmark::DoNotOptimize(Box().setParameter(values, ids, 3, &stone.diamond, 1));
        benchmark::DoNotOptimize(Box().isCorrect(&stone.diamond, 1));
        benchmark::DoNotOptimize(Box().initVertex(&stone.diamond, 1));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BoxAllEntryPoints);

void BoxInitVertex(benchmark::State& state) {
    Stone stone(Box());
    for (auto _ : state) {
        benchmark::DoNotOptimize(Box().initVertex(&stone.diamond, 1));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BoxInitVertex);

void BoxIsCorrect(benchmark::State& state) {
    Stone stone(Box());
    for (auto _ : state) benchmark::DoNotOptimize(Box().isCorrect(&stone.diamond, 1));
}
BENCHMARK(BoxIsCorrect);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatios (medians when repeated):\n");
    reporter.PrintRatio("oval InitVertex / outline baseline", "OvalInitVertex", "OutlineBaseline", 1.25);
    reporter.PrintRatio("oval IsCorrect (defaults) / InitVertex", "OvalIsCorrect", "OvalInitVertex", 1.05);
    reporter.PrintRatio("oval IsCorrect (range-rejected) / InitVertex", "OvalIsCorrectRangeRejected",
                        "OvalInitVertex", 0.01);
    reporter.PrintRatio("oval read Star facets / InitVertex", "OvalGetStarFacets", "OvalInitVertex", 0.25);
    reporter.PrintRatio("oval write Star facets, 502 measures / InitVertex", "OvalSetStarFacetsUnreachable",
                        "OvalInitVertex", 2.0);
    reporter.PrintRatio("oval write Total Height % / InitVertex", "OvalSetTotalHeightPercent", "OvalInitVertex", 0.1);
    reporter.PrintRatio("oval write TotalHeightFix mm / InitVertex", "OvalSetTotalHeightFixMm", "OvalInitVertex", 0.1);
    reporter.PrintRatio("oval write Total Height mm / InitVertex", "OvalSetTotalHeightMm", "OvalInitVertex", 0.1);
    reporter.PrintRatio("oval write crown angle / InitVertex", "OvalSetCrownAngle", "OvalInitVertex", 0.1);
    reporter.PrintRatio("oval read crown angle / InitVertex", "OvalGetCrownAngle", "OvalInitVertex", 0.1);
    reporter.PrintSpeedUp("sweep 512 x 512: 1 thread / 2 threads", "SweepOneThread", "SweepTwoThreads", 1.8);
    return 0;
}
