#include "oval_check.hpp"

#include "girdle_outline.hpp"
#include "oval_construction.hpp"

#include <cmath>

namespace oval {
namespace {

constexpr int kGeometryValid = 100;

// 3 degrees as stored (slightly below π/60).
constexpr double kMinPavilionAngle = 0.052359877559819995;
constexpr double kMinTable = 0.01;
constexpr double kMinRatio = 0.5;
constexpr double kRightAngle = 1.5707963267948966;
constexpr double kMinRatioForOutline = 1e-6;

bool AllFinite(const OvalParams& p) {
    const double fields[] = {p.diameter,         p.ratio,        p.crownAngle,   p.table,
                             p.girdle,           p.pavilionAngle, p.lowerFacetsDepth, p.culetOffsetX,
                             p.culetOffsetY,     p.squareDeviation, p.squareTable};
    for (double v : fields)
        if (!std::isfinite(v)) return false;
    return true;
}

// The range checks, in order. Their form matters: "unless x > c" stops a
// NaN, "when x < c" lets it through (the finiteness test catches it later).
bool PassesRangeChecks(const OvalParams& p) {
    if (p.pavilionAngle < kMinPavilionAngle) return false;
    if (p.lowerFacetsDepth < 0.0) return false;
    if (p.lowerFacetsDepth > 1.0) return false;
    if (p.girdle < 0.0) return false;
    if (p.table < kMinTable) return false;
    if (p.ratio < kMinRatio) return false;
    if (!(p.diameter > 0.0)) return false;
    if (p.variant > 1) return false;
    if (!(p.crownAngle > 0.0)) return false;
    if (!(p.crownAngle < kRightAngle)) return false;
    if (!(p.table > 0.0)) return false;
    if (!(p.table < 1.0)) return false;
    if (!(p.ratio > kMinRatioForOutline)) return false;
    // A stone with NaN or infinite coordinates is no stone.
    if (!AllFinite(p)) return false;
    // Outside the outline's range every girdle point collapses onto the axis.
    if (!SquarenessInRange(p.squareDeviation)) return false;
    // Star points strictly below the table plane.
    if (p.table >= StarFraction(p.table, p.squareTable)) return false;
    return true;
}

// A positive value means the star point stands outside the vertical plane
// through the girdle chord: the origin is on the plane's negative side.
bool StarOutsideChord(const Vec3& chordStart, const Vec3& chordEnd, const Vec3& below, const Vec3& star) {
    Plane plane;
    PlaneThroughPoints(plane, chordStart, chordEnd, below);
    return EvalPlane(plane, star) > 0.0;
}

}  // namespace

int CheckOvalGeometry(const OvalParams& p) {
    OvalFrame f{};
    BuildGirdle(p, f);
    BuildCrown(p, f);
    // The two star points either side of main girdle point 0 on the +y axis.
    if (StarOutsideChord(f.U(0), f.U(8), f.L(8), f.S(0))) return 0;
    if (StarOutsideChord(f.U(0), f.U(56), f.L(56), f.S(7))) return 0;
    BuildPavilion(p, f);
    for (int j = 0; j < kGirdleSamples; ++j)
        if (f.L(j).z + kMinGirdleThickness > f.U(j).z) return 0;
    return kGeometryValid;
}

int CheckOval(const OvalParams& p) {
    if (!PassesRangeChecks(p)) return 0;
    return CheckOvalGeometry(p) == kGeometryValid ? 1 : 0;
}

}  // namespace oval
