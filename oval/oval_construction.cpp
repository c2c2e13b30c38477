#include "oval_construction.hpp"

#include "girdle_outline.hpp"

#include <cmath>

namespace oval {
namespace {

// (1 + √2)/2: the star fraction at "Square table" 0, per unit of table.
constexpr double kStarFractionPerTable = 1.2071067811865475;

Vec2 Plan(const Vec3& p) { return Vec2{p.x, p.y}; }

// a + t·(b − a), per component.
Vec3 Along(const Vec3& a, double t, const Vec3& b) {
    return Vec3{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}

// The outline's tangent at `at`, taken along the chord of its neighbours.
Line2 TangentLine(Vec2 before, Vec2 after, Vec2 at) {
    Vec2 direction{after.x - before.x, after.y - before.y};
    Normalize2(direction);
    Line2 line;
    LineFromDirectionPoint(line, MakeUnit2(direction), at);
    return line;
}

constexpr int kGirdleFacets = 16;

// Cuts the 16 girdle facets of one row: facet k is the plane through girdle
// points 4k and 4k + 4 and its facet point, and the three girdle points between
// them move vertically onto it. A plane without z component moves nothing.
// The facets share no point they move, so each stage runs over all facets
// before the next: the same arithmetic per facet, in independent chains.
template <class Row, class FacetPoint>
void CutGirdleFacets(const OvalFrame& f, Row row, FacetPoint facetPoint, bool facetPointFirst) {
    Plane planes[kGirdleFacets];
    for (int k = 0; k < kGirdleFacets; ++k) {
        const Vec3& start = row(4 * k);
        const Vec3& end = row(4 * k + 4);
        if (facetPointFirst)
            PlaneThroughPoints(planes[k], facetPoint(k), start, end);
        else
            PlaneThroughPoints(planes[k], start, end, facetPoint(k));
    }
    Vec3 normals[kGirdleFacets];
    for (int k = 0; k < kGirdleFacets; ++k) normals[k] = UnitNormal(planes[k]);
    for (int k = 0; k < kGirdleFacets; ++k) {
        for (int m = 1; m <= 3; ++m) {
            Vec3& point = row(4 * k + m);
            // The vertical through the point; f.up is already unit length, so this
            // is the line Line3FromDirectionPoint(f.up, point) builds.
            const Line3 vertical{f.up, point};
            IntersectLineUnitNormalPlane(vertical, normals[k], planes[k].d, &point);
        }
    }
}

}  // namespace

double StarFraction(double table, double squareTable) {
    const double k = kStarFractionPerTable * table;
    if (squareTable > 0.0) return k + (1.0 - k) * squareTable;
    return k + (k - 1.0 + table) * squareTable;
}

namespace {

// Upper and lower girdle point j from outline sample j. The outline is sampled
// with its semi-axes exchanged and its y negated: after swapping x and y,
// sample 0 lies on +y and the samples run clockwise seen from above.
void PlaceGirdlePoint(const OvalParams& p, OvalFrame& f, int j) {
    const double top = 0.5 * p.girdle;
    const Vec2 o{f.outline[j].y, f.outline[j].x};
    f.U(j) = Vec3{-o.x, o.y, +top};
    f.L(j) = Vec3{-o.x, o.y, -top};
}

constexpr double kOutlineStart = 0.0;
constexpr double kOutlineHalfWidth = 0.5;

double OutlineHalfLength(const OvalParams& p) { return -0.5 * p.ratio; }

}  // namespace

void BuildGirdle(const OvalParams& p, OvalFrame& f) {
    SuperellipseOutline(kGirdleSamples, kOutlineStart, kOutlineHalfWidth, OutlineHalfLength(p), p.squareDeviation,
                        f.outline);
    for (int j = 0; j < kGirdleSamples; ++j) PlaceGirdlePoint(p, f, j);
}

void BuildGirdleSamples(const OvalParams& p, OvalFrame& f, std::span<const int> samples) {
    const bool inRange = SquarenessInRange(p.squareDeviation);
    for (int j : samples) {
        if (inRange)
            f.outline[j] = OutlineSample(j, kGirdleSamples, kOutlineStart, kOutlineHalfWidth, OutlineHalfLength(p),
                                         p.squareDeviation);
        PlaceGirdlePoint(p, f, j);
    }
}

void PlaceCrownApex(const OvalParams& p, OvalFrame& f) {
    f.apex = Vec3{0.0, 0.0, 0.5 * std::tan(p.crownAngle) + 0.5 * p.girdle};
}

void PlaceTableCorner(const OvalParams& p, OvalFrame& f, int i) { f.T(i) = Along(f.apex, p.table, f.U(8 * i)); }

void PlaceCrownLine(OvalFrame& f, int i) {
    f.crownLines[i] = TangentLine(Plan(f.U(8 * i - 1)), Plan(f.U(8 * i + 1)), Plan(f.U(8 * i)));
}

void PlaceCrownCorner(OvalFrame& f, int i) {
    IntersectLines2(f.crownLines[i], f.crownLines[(i + 1) & 7], &f.crownCorners[i]);
}

void PlaceStarPoint(const OvalParams& p, OvalFrame& f, int i) {
    const Vec3 corner{f.crownCorners[i].x, f.crownCorners[i].y, 0.5 * p.girdle};
    f.S(i) = Along(f.apex, f.starFraction, corner);
}

void BuildCrownFrame(const OvalParams& p, OvalFrame& f) {
    PlaceCrownApex(p, f);
    for (int i = 0; i < 8; ++i) PlaceTableCorner(p, f, i);
    for (int i = 0; i < 8; ++i) PlaceCrownLine(f, i);
    for (int i = 0; i < 8; ++i) PlaceCrownCorner(f, i);
}

void PlaceStarPoints(const OvalParams& p, double squareTable, OvalFrame& f) {
    f.starFraction = StarFraction(p.table, squareTable);
    for (int i = 0; i < 8; ++i) PlaceStarPoint(p, f, i);
}

void CutUpperGirdleFacets(OvalFrame& f) {
    f.up = MakeUnit3(0.0, 0.0, 1.0);
    CutGirdleFacets(
        f, [&f](int j) -> Vec3& { return f.U(j); }, [&f](int k) -> const Vec3& { return f.S(k / 2); }, false);
}

void BuildCrown(const OvalParams& p, OvalFrame& f) {
    BuildCrownFrame(p, f);
    PlaceStarPoints(p, p.squareTable, f);
    CutUpperGirdleFacets(f);
}

void BuildPavilion(const OvalParams& p, OvalFrame& f) {
    f.up = MakeUnit3(0.0, 0.0, 1.0);
    const double bottom = -0.5 * p.girdle;
    f.C() = Vec3{p.culetOffsetX, p.culetOffsetY, -0.5 * std::tan(p.pavilionAngle) - 0.5 * p.girdle};
    // Upper girdle cuts changed only heights: these are still the outline's plan positions.
    for (int i = 0; i < 8; ++i)
        f.pavilionLines[i] =
            TangentLine(Plan(f.U(8 * i + 5)), Plan(f.U(8 * i + 3)), Plan(f.U(8 * i + 4)));
    for (int i = 0; i < 8; ++i)
        IntersectLines2(f.pavilionLines[i], f.pavilionLines[(i + 1) & 7], &f.pavilionCorners[(i + 1) & 7]);
    const Vec3 culet = f.C();
    for (int i = 0; i < 8; ++i) {
        const Vec3 corner{f.pavilionCorners[i].x, f.pavilionCorners[i].y, bottom};
        const double t = 1.0 - p.lowerFacetsDepth;
        f.P(i) = Vec3{culet.x - t * (culet.x - corner.x), culet.y - t * (culet.y - corner.y),
                      culet.z - t * (culet.z - corner.z)};
    }
    CutGirdleFacets(
        f, [&f](int j) -> Vec3& { return f.L(j); }, [&f](int k) -> const Vec3& { return f.P((k + 1) / 2); }, true);
}

void BuildOval(const OvalParams& p, OvalFrame& f) {
    BuildGirdle(p, f);
    BuildCrown(p, f);
    BuildPavilion(p, f);
}

void WriteVertices(const OvalFrame& f, double diameter, double* vertices) {
    for (int i = 0; i < kVertexCount; ++i) {
        vertices[3 * i + 0] = diameter * f.v[i].x;
        vertices[3 * i + 1] = diameter * f.v[i].y;
        vertices[3 * i + 2] = diameter * f.v[i].z;
    }
}

}  // namespace oval
