#include "crown_measures.hpp"

#include "oval_construction.hpp"

#include <algorithm>
#include <cmath>

namespace oval {
namespace {

// The girdle samples the star-facets measure reads: main girdle points 0 and 8
// with their neighbours (for the crown tangents there) and mid girdle point 4.
constexpr int kStarFacetsSamples[] = {63, 0, 1, 4, 7, 8, 9};

// The "Star facets" measure of one block for any trial "Square table". Only
// star point 0 depends on the trial value, so the outline samples, the crown
// apex, the table edge and crown corner 0 are built once by the construction;
// each measure then places star point 0 the way the construction does (plan
// position only: the measure reads no height) and gives exactly the value a
// construction from scratch would.
class StarFacetsGauge {
public:
    explicit StarFacetsGauge(const OvalParams& p) : table_(p.table) {
        OvalFrame f{};
        BuildGirdleSamples(p, f, kStarFacetsSamples);
        PlaceCrownApex(p, f);
        PlaceTableCorner(p, f, 0);
        PlaceTableCorner(p, f, 1);
        PlaceCrownLine(f, 0);
        PlaceCrownLine(f, 1);
        PlaceCrownCorner(f, 0);
        apex_ = Vec2{f.apex.x, f.apex.y};
        towardCorner_ = Vec2{f.crownCorners[0].x - f.apex.x, f.crownCorners[0].y - f.apex.y};
        LineThroughPoints(tableEdge_, Vec2{f.T(0).x, f.T(0).y}, Vec2{f.T(1).x, f.T(1).y});
        girdleReach_ = EvalLine2(tableEdge_, f.U(4).x, f.U(4).y);
    }

    double operator()(double x) const {
        const double s = StarFraction(table_, x);
        const Vec2 star{apex_.x + s * towardCorner_.x, apex_.y + s * towardCorner_.y};
        return EvalLine2(tableEdge_, star.x, star.y) / girdleReach_;
    }

private:
    double table_;
    Vec2 apex_;
    Vec2 towardCorner_;
    Line2 tableEdge_;
    double girdleReach_ = 0.0;
};

// Every measure of one solve, passed on to the observer.
class ObservedMeasure {
public:
    ObservedMeasure(const OvalParams& p, SolveObserver observer) : p_(p), gauge_(p), observer_(observer) {}

    double operator()(double x) {
        if (x >= kStoredSquareTable) x = p_.squareTable;
        const double value = gauge_(x);
        if (observer_.seen != nullptr) observer_.seen(observer_.context, x, value);
        return value;
    }

private:
    const OvalParams& p_;
    StarFacetsGauge gauge_;
    SolveObserver observer_;
};

}  // namespace

double StarFacetsValue(const OvalParams& p, double x) {
    if (x >= kStoredSquareTable) x = p.squareTable;
    return StarFacetsGauge(p)(x);
}

double SolveSquareTable(const OvalParams& p, double target, double lo, double hi, SolveObserver observer) {
    ObservedMeasure measure(p, observer);
    if (lo > hi) {
        const double t = lo;
        lo = hi;
        hi = t;
    }
    const double stored = p.squareTable;
    const double x0 = (lo <= stored && stored <= hi) ? stored : (hi - lo) / 2.0;
    const double r0 = measure(2.0 * kStoredSquareTable);

    double xlo, vlo, xhi, vhi, step, r, last;
    if (target > r0) {  // search upward
        step = std::min((hi - x0) / 2.0, 0.01);
        xlo = x0;
        vlo = r0;
        xhi = x0 + step;
        r = vhi = measure(xhi);
        last = xhi;
    } else {  // search downward
        step = -std::min((x0 - lo) / 2.0, 0.01);
        xhi = x0;
        vhi = r0;
        xlo = x0 + step;
        r = vlo = measure(xlo);
        last = xlo;
    }
    // A measure that falls as x grows turns the roles of the two ends round.
    double m = 1.0;
    if (vlo > vhi) {
        m = -1.0;
        step = -step;
    }
    for (int iteration = 0; iteration < kSolveIterations && std::fabs(r - target) > kSolveTolerance; ++iteration) {
        if ((vhi - target) * (vlo - target) > 0.0) {
            // Not bracketed yet: double the step, clamped to the bounds.
            step = 2.0 * step;
            if (step > 0.0) {
                if (step >= hi - xhi) step = hi - xhi;
                xlo = xhi;
                vlo = vhi;
                xhi = xhi + step;
                r = vhi = measure(xhi);
                last = xhi;
            } else {
                double magnitude = -step;
                if (magnitude >= xlo - lo) magnitude = xlo - lo;
                step = -magnitude;
                xhi = xlo;
                vhi = vlo;
                xlo = xlo + step;
                r = vlo = measure(xlo);
                last = xlo;
            }
        } else {
            // Bracketed: false position.
            const double x = xlo + (xhi - xlo) * (target - vlo) / (vhi - vlo);
            r = measure(x);
            last = x;
            if ((target - r) * m > 0.0) {
                xlo = x;
                vlo = r;
            } else {
                xhi = x;
                vhi = r;
            }
        }
    }
    return last;
}

int RescaleCrownHeight(double factor, OvalParams& p) {
    OvalFrame f{};
    constexpr int kMainGirdlePointOnY[] = {0};
    BuildGirdleSamples(p, f, kMainGirdlePointOnY);
    PlaceCrownApex(p, f);
    PlaceTableCorner(p, f, 0);
    const double run = f.U(0).y - f.T(0).y;
    if (run == 0.0) return 0;
    const double top = 0.5 * p.girdle;
    const double z = top + factor * (f.T(0).z - top);
    p.crownAngle = std::atan((z - f.U(0).z) / run);
    return 1;
}

}  // namespace oval
