// Small conveniences the oval tests share: a parameter set with one field
// changed, and a stone built in the unit frame or written in millimetres.
#pragma once

#include "oval_construction.hpp"
#include "oval_params.hpp"

#include <span>
#include <vector>

namespace oval_test {

using Field = double oval::OvalParams::*;

inline oval::OvalParams With(Field field, double value, oval::OvalParams p = oval::kDefaults) {
    p.*field = value;
    return p;
}

// The whole stone in the unit frame.
inline oval::OvalFrame Built(const oval::OvalParams& p) {
    oval::OvalFrame f{};
    oval::BuildOval(p, f);
    return f;
}

inline std::span<const oval::Vec3> Vertices(const oval::OvalFrame& f) { return f.v; }

// The 459 doubles the host receives, in millimetres.
inline std::vector<double> Millimetres(const oval::OvalParams& p) {
    const oval::OvalFrame f = Built(p);
    std::vector<double> out(3 * oval::kVertexCount);
    oval::WriteVertices(f, p.diameter, out.data());
    return out;
}

}  // namespace oval_test
