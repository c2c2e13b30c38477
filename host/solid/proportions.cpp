#include "proportions.hpp"

#include "materials.hpp"

#include <algorithm>
#include <limits>
#include <numbers>

namespace cutting::host::solid {

namespace {

double Along(Axis axis, Vec3 v) { return axis == Axis::X ? v.x : v.y; }

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// Extent of a face's vertices along a horizontal axis.
double FaceSpan(const Solid& s, const Face& face, Axis axis) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (std::uint32_t i : face.loop) {
        lo = std::min(lo, Along(axis, s.vertices[i]));
        hi = std::max(hi, Along(axis, s.vertices[i]));
    }
    return hi - lo;
}

}  // namespace

Proportions MeasureProportions(const Solid& s, double density) {
    Proportions p;
    p.volumeMm3 = s.volume;
    p.surfaceAreaMm2 = s.surfaceArea;
    p.densityGPerCm3 = density;
    p.carats = CaratWeight(s.volume, density);
    p.maxNonPlanarityMm = s.maxNonPlanarity;
    p.closed = s.closed;
    p.convex = s.convex;
    if (s.vertices.empty()) return p;

    const Landmarks m = FindLandmarks(s);
    const Vec3 size = s.bounds.Size();
    p.lengthMm = Along(m.lengthAxis, size);
    p.widthMm = Along(m.widthAxis, size);
    p.depthMm = size.z;
    if (p.widthMm <= 0.0) return p;

    const auto pct = [&](double mm) { return 100.0 * mm / p.widthMm; };
    p.lengthToWidth = p.lengthMm / p.widthMm;
    p.totalDepthPct = pct(p.depthMm);
    const double crownTop = m.table != kNoFace ? s.faces[m.table].centroid.z : s.bounds.max.z;
    if (m.table != kNoFace) p.tablePct = pct(FaceSpan(s, s.faces[m.table], m.widthAxis));
    p.crownHeightPct = pct(crownTop - m.girdleTop);
    p.pavilionDepthPct = pct(m.girdleBottom - s.bounds.min.z);
    p.girdleThicknessPct = pct(m.girdleTop - m.girdleBottom);
    if (m.crownMain != kNoFace) {
        p.crownAngleDeg = Degrees(AngleToGirdlePlane(s.faces[m.crownMain].normal));
    }
    if (m.pavilionMain != kNoFace) {
        p.pavilionAngleDeg = Degrees(AngleToGirdlePlane(s.faces[m.pavilionMain].normal));
    }
    return p;
}

}  // namespace cutting::host::solid
