// Evaluating a two-parameter sweep: for every grid point, the stone with the
// two values written (x first, then y) is judged by IsCorrect and, when
// asked, measured. The work is spread over threads; plug-ins keep no state,
// so each thread simply works on its own copy of the stone.
#pragma once

#include "core/stone.hpp"
#include "evaluate/sweep_axis.hpp"
#include "export/sweep_map.hpp"
#include "solid/proportions.hpp"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace cutting::host {

// A measure to shade accepted cells by.
struct SweepShade {
    std::string name;  // "carats"
    std::string unit;  // "ct"
    std::function<double(const solid::Proportions&)> read;
    double density = 3.52;  // g/cm³, for the weight
};

// Called now and then from the calling thread with the cells done so far.
using SweepProgress = std::function<void(std::size_t done, std::size_t total)>;

// Sweeps x and y over `base` (left unchanged) on `threads` threads.
exporter::SweepMap RunSweep(const Stone& base, const SweepAxis& x, const SweepAxis& y,
                            const std::optional<SweepShade>& shade, unsigned threads,
                            const SweepProgress& progress = {});

}  // namespace cutting::host
