// One axis of a parameter sweep, typed as KEY=FROM:TO:N: N evenly spaced
// values of one parameter from FROM to TO, both included.
#pragma once

#include "core/plugin.hpp"

#include <string_view>
#include <vector>

namespace cutting::host {

struct SweepAxis {
    ParameterInfo parameter;
    double from = 0.0;                         // in the plug-in's unit
    double to = 0.0;
    int count = 0;

    // Value i of count, in the plug-in's unit; the last one is exactly `to`.
    double ValueAt(int i) const;
    std::vector<double> Values() const;
};

// Most values along one axis: keeps a sweep's grid to a few million sets.
inline constexpr int kMaxSweepCount = 2000;

// Parses "crown-angle=30deg:45deg:31". FROM and TO take units as --set does.
// Throws InputError naming the problem: no '=', an unknown key, not three
// ':'-separated parts, a malformed value, or an N that is not a whole number
// from 1 to kMaxSweepCount.
SweepAxis ParseSweepAxis(const Cutting& cutting, std::string_view text);

}  // namespace cutting::host
