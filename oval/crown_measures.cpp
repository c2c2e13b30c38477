#include "crown_measures.hpp"

#include "oval_construction.hpp"

#include <algorithm>
#include <cmath>

namespace oval {
namespace {

class MeasureCounter {
public:
    MeasureCounter(const OvalParams& p, SolveObserver observer) : p_(p), observer_(observer) {}

    double operator()(double x) {
        const double value = StarFacetsValue(p_, x);
        if (observer_.seen != nullptr) observer_.seen(observer_.context, x >= kStoredSquareTable ? p_.squareTable : x, value);
        return value;
    }

private:
    const OvalParams& p_;
    SolveObserver observer_;
};

}  // namespace

double StarFacetsValue(const OvalParams& p, double x) {
    if (x >= kStoredSquareTable) x = p.squareTable;
    OvalFrame f{};
    BuildGirdle(p, f);
    BuildCrownFrame(p, f);
    PlaceStarPoints(p, x, f);
    Line2 tableEdge;
    LineThroughPoints(tableEdge, Vec2{f.T(0).x, f.T(0).y}, Vec2{f.T(1).x, f.T(1).y});
    return EvalLine2(tableEdge, f.S(0).x, f.S(0).y) / EvalLine2(tableEdge, f.U(4).x, f.U(4).y);
}

double SolveSquareTable(const OvalParams& p, double target, double lo, double hi, SolveObserver observer) {
    MeasureCounter measure(p, observer);
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
    BuildGirdle(p, f);
    PlaceApexAndFirstTableCorner(p, f);
    const double run = f.U(0).y - f.T(0).y;
    if (run == 0.0) return 0;
    const double top = 0.5 * p.girdle;
    const double z = top + factor * (f.T(0).z - top);
    p.crownAngle = std::atan((z - f.U(0).z) / run);
    return 1;
}

}  // namespace oval
