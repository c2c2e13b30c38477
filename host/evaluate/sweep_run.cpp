#include "sweep_run.hpp"

#include "core/units.hpp"
#include "evaluate/stone_solid.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace cutting::host {

namespace {

using exporter::CellState;

exporter::SweepMapAxis DescribeAxis(const SweepAxis& axis) {
    const ParameterInfo& p = axis.parameter;
    exporter::SweepMapAxis out;
    out.key = p.shortName.empty() ? std::to_string(p.id) : p.shortName;
    out.name = p.name;
    out.unit = std::string(UnitSymbol(p.unit));
    for (double v : axis.Values()) out.values.push_back(ToUserUnit(v, p.unit));
    return out;
}

struct CellResult {
    CellState state = CellState::Rejected;
    double shade = std::numeric_limits<double>::quiet_NaN();
};

CellResult EvaluateCell(Stone& stone, ParameterId xId, double x, ParameterId yId, double y,
                        const std::optional<SweepShade>& shade) {
    CellResult result;
    if (!stone.Set(xId, x) || !stone.Set(yId, y)) {
        result.state = CellState::Refused;
        return result;
    }
    if (!stone.IsCorrect()) return result;
    result.state = CellState::Accepted;
    if (shade) {
        try {
            result.shade = shade->read(solid::MeasureProportions(BuildStoneSolid(stone), shade->density));
        } catch (const std::exception&) {
            // A stone that cannot be measured keeps its cell unshaded.
        }
    }
    return result;
}

}  // namespace

exporter::SweepMap RunSweep(const Stone& base, const SweepAxis& x, const SweepAxis& y,
                            const std::optional<SweepShade>& shade, unsigned threads,
                            const SweepProgress& progress) {
    exporter::SweepMap map;
    map.title = base.GetCutting().name;
    map.x = DescribeAxis(x);
    map.y = DescribeAxis(y);
    if (const auto current = base.Get(x.parameter.id)) map.currentX = ToUserUnit(*current, x.parameter.unit);
    if (const auto current = base.Get(y.parameter.id)) map.currentY = ToUserUnit(*current, y.parameter.unit);

    const std::vector<double> xs = x.Values(), ys = y.Values();
    const std::size_t total = xs.size() * ys.size();
    std::vector<CellResult> results(total);
    // Workers take whole rows, so the shared counters are touched once per row rather than per
    // cell and each worker writes its own stretch of the results.
    alignas(64) std::atomic<std::size_t> nextRow{0};
    alignas(64) std::atomic<std::size_t> done{0};

    const auto work = [&] {
        Stone stone(base);
        const auto block = base.Block();
        for (std::size_t row = nextRow++; row < ys.size(); row = nextRow++) {
            for (std::size_t column = 0; column < xs.size(); ++column) {
                std::copy(block.begin(), block.end(), stone.MutableBlock().begin());
                results[row * xs.size() + column] =
                    EvaluateCell(stone, x.parameter.id, xs[column], y.parameter.id, ys[row], shade);
            }
            done += xs.size();
        }
    };

    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(ys.size(), 1));
    std::vector<std::thread> pool;
    for (std::size_t t = 0; t < workers; ++t) pool.emplace_back(work);
    while (progress && done.load() < total) {
        progress(done.load(), total);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (std::thread& thread : pool) thread.join();
    if (progress) progress(total, total);

    map.cells.reserve(total);
    for (const CellResult& r : results) map.cells.push_back(r.state);
    if (shade) {
        map.shade = exporter::SweepMapShade{shade->name, shade->unit, {}};
        for (const CellResult& r : results) map.shade->values.push_back(r.shade);
    }
    return map;
}

}  // namespace cutting::host
