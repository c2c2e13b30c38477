// The oval's known findings: sets its range checks and its star and girdle
// tests let through although the stone they give is no proper solid.
#include "known_findings.hpp"

#include "oval_description.hpp"
#include "oval_params.hpp"

#include <cmath>
#include <cstring>

namespace fuzz {
namespace {

constexpr double kRightAngle = 1.5707963267948966;
// From about here up the outline's powers flush to zero and the pavilion
// mains warp (0.97: face 113 is 2 % of the stone's extent off its plane).
constexpr double kWarpingSquareness = 0.96;

// Whether plan point (x, y) lies outside the lower girdle outline by more
// than rounding. The samples run clockwise seen from above, so an inner point
// lies to the right of every edge. Lengths are taken in units of the
// girdle's own size, so that no product underflows.
bool OutsideGirdle(const double* xyz, double x, double y) {
    double size = 0.0;
    for (int j = 0; j < oval::kGirdleSamples; ++j) {
        const double* a = xyz + 3 * (oval::kLowerGirdle + j);
        size = std::fmax(size, std::fmax(std::fabs(a[0]), std::fabs(a[1])));
    }
    if (!(size > 0.0)) return false;
    const double px = x / size, py = y / size;
    if (!std::isfinite(px) || !std::isfinite(py)) return true;  // beyond any girdle
    // The girdle lies within [-1, 1] in these units: a point beyond that box is
    // outside, however far (the edge test below would overflow for it).
    if (std::fabs(px) > 1.0 + 1e-9 || std::fabs(py) > 1.0 + 1e-9) return true;
    for (int j = 0; j < oval::kGirdleSamples; ++j) {
        const double* a = xyz + 3 * (oval::kLowerGirdle + j);
        const double* b = xyz + 3 * (oval::kLowerGirdle + (j + 1) % oval::kGirdleSamples);
        const double ax = a[0] / size, ay = a[1] / size;
        const double ex = b[0] / size - ax, ey = b[1] / size - ay;
        const double cross = ex * (py - ay) - ey * (px - ax);
        if (cross > 1e-9 * (std::fabs(ex) + std::fabs(ey)) * (std::fabs(px) + std::fabs(py) + 1.0)) return true;
    }
    return false;
}

}  // namespace

const char* KnownImproperStone(const uint8_t* block, const double* xyz) {
    oval::OvalParams p;
    std::memcpy(&p, block, sizeof p);
    for (int i = 0; i < 3 * oval::kVertexCount; ++i)
        if (!std::isfinite(xyz[i])) return "unbounded lengths overflow the vertices";
    if (p.diameter < 1e-300) return "a diameter so small the vertices lose their precision";
    if (p.ratio > 1e15 || p.girdle > 1e15)
        return "a ratio or girdle so large the stone's other proportions are lost in rounding";
    if (p.pavilionAngle >= kRightAngle) return "a pavilion angle of a right angle or more puts the culet above the girdle";
    if (p.squareDeviation <= -1.0) return "the rhombus outline's coinciding tangents warp the mains";
    if (p.squareDeviation >= kWarpingSquareness) return "a nearly rectangular outline warps the pavilion mains";
    for (int v = oval::kPavilionPoint; v <= oval::kCulet; ++v)
        if (OutsideGirdle(xyz, xyz[3 * v], xyz[3 * v + 1])) return "the culet or a pavilion point lies outside the girdle";
    return nullptr;
}

}  // namespace fuzz
