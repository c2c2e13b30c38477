#include "box_cutting.hpp"

#include <cmath>

namespace box {

int32_t CheckBox(const BoxParams& p) {
    if (p.variant > 1) return 0;
    // A NaN or infinite extent is no box, whatever the comparisons below say.
    if (!std::isfinite(p.diameter) || !std::isfinite(p.ratio) || !std::isfinite(p.girdle)) return 0;
    if (!(0.0 < p.ratio)) return 0;
    if (!(0.0 < p.girdle)) return 0;
    if (!(p.diameter > 0.001)) return 0;
    return 1;
}

void BuildBoxVertices(const BoxParams& p, double* vertices) {
    const double hx = p.diameter * 0.5;
    const double hy = p.ratio * p.diameter * 0.5;
    const double hz = p.girdle * p.diameter * 0.5;
    // Corner order: top face 0..3 counterclockwise seen from +z, bottom 4..7 below them.
    const double sx[kVertexCount] = {-1, -1, +1, +1, -1, -1, +1, +1};
    const double sy[kVertexCount] = {+1, -1, -1, +1, +1, -1, -1, +1};
    const double sz[kVertexCount] = {+1, +1, +1, +1, -1, -1, -1, -1};
    for (int v = 0; v < kVertexCount; ++v) {
        vertices[3 * v + 0] = sx[v] * hx;
        vertices[3 * v + 1] = sy[v] * hy;
        vertices[3 * v + 2] = sz[v] * hz;
    }
}

int32_t ReadBoxParameter(const BoxParams& p, ParameterId id, double* out) {
    switch (id) {
        case ParameterDiameter: *out = p.diameter; return 1;
        case ParameterGirdle: *out = p.girdle; return 1;
        case ParameterRatio: *out = p.ratio; return 1;
        default: return 0;
    }
}

int32_t WriteBoxParameter(BoxParams& p, ParameterId id, double value) {
    switch (id) {
        case ParameterDiameter: p.diameter = value; return 1;
        case ParameterGirdle: p.girdle = value; return 1;
        case ParameterRatio: p.ratio = value; return 1;
        default: return 0;
    }
}

}  // namespace box
