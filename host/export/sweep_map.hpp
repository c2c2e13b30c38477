// A validity map over two parameters, as the sweep computes it and the map
// files show it. Values are in the user's units (mm, %, deg).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cutting::host::exporter {

struct SweepMapAxis {
    std::string key;            // "crown-angle"
    std::string name;           // "Crown angle"
    std::string unit;           // "deg", "%", "mm" or empty
    std::vector<double> values; // one per grid column (x) or row (y), ascending index order
};

enum class CellState : unsigned char {
    Rejected,  // IsCorrect said no
    Accepted,  // IsCorrect said yes
    Refused,   // the plug-in refused to take one of the two values
};

struct SweepMapShade {
    std::string name;            // "carats"
    std::string unit;            // "ct"
    std::vector<double> values;  // per cell; NaN where there is none
};

struct SweepMap {
    std::string title;           // the cutting's name
    SweepMapAxis x, y;
    std::vector<CellState> cells;         // cells[j * x.values.size() + i] for x value i, y value j
    std::optional<SweepMapShade> shade;   // accepted cells shaded by a measure
    std::optional<double> currentX, currentY;  // the parameter set the sweep started from

    CellState At(std::size_t i, std::size_t j) const { return cells[j * x.values.size() + i]; }
};

// The map as an SVG chart: accepted cells coloured (by the shade when
// there is one), rejected ones pale, the current point marked.
std::string DrawSweepSvg(const SweepMap& map);

// One row per cell: x value, y value, 1 or 0 for accepted, the shade value.
std::string WriteSweepCsv(const SweepMap& map);

}  // namespace cutting::host::exporter
