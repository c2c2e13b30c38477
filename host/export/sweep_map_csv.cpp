#include "sweep_map.hpp"

#include <fmt/format.h>

#include <cmath>
#include <iterator>

namespace cutting::host::exporter {

namespace {

std::string Column(const SweepMapAxis& axis) {
    if (axis.unit.empty()) return axis.key;
    return axis.key + "_" + (axis.unit == "%" ? std::string("pct") : axis.unit);
}

}  // namespace

std::string WriteSweepCsv(const SweepMap& map) {
    std::string out;
    auto it = std::back_inserter(out);
    fmt::format_to(it, "{},{},accepted", Column(map.x), Column(map.y));
    if (map.shade) fmt::format_to(it, ",{}", map.shade->name);
    out += '\n';
    for (std::size_t j = 0; j < map.y.values.size(); ++j) {
        for (std::size_t i = 0; i < map.x.values.size(); ++i) {
            const std::size_t cell = j * map.x.values.size() + i;
            fmt::format_to(it, "{:.12g},{:.12g},{}", map.x.values[i], map.y.values[j],
                           map.cells[cell] == CellState::Accepted ? 1 : 0);
            if (map.shade) {
                const double value = map.shade->values[cell];
                if (std::isnan(value)) {
                    out += ',';
                } else {
                    fmt::format_to(it, ",{}", value);
                }
            }
            out += '\n';
        }
    }
    return out;
}

}  // namespace cutting::host::exporter
