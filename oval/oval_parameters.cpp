#include "oval_parameters.hpp"

#include "crown_measures.hpp"
#include "oval_description.hpp"

#include <cmath>

namespace oval {
namespace {

// Below this the crown has no usable slope or the new angle no usable tangent.
constexpr double kAngleGuard = 1e-6;

// Multiplies all three heights by k, keeping the diameter: girdle first, then
// the crown through its angle, then the pavilion through its angle.
int ScaleHeightsKeepingDiameter(OvalParams& p, double k) {
    const double pavilion = PavilionHeight(p);
    p.girdle = k * p.girdle;
    if (RescaleCrownHeight(k, p) == 0) return 0;
    p.pavilionAngle = std::atan(2.0 * k * pavilion);
    return 1;
}

// Multiplies all three heights by k and divides the diameter by k, so the
// total height in millimetres stays: crown, pavilion, girdle, then diameter.
int ScaleHeightsKeepingMillimetres(OvalParams& p, double k) {
    const double pavilion = PavilionHeight(p);
    if (RescaleCrownHeight(k, p) == 0) return 0;
    p.pavilionAngle = std::atan(2.0 * k * pavilion);
    p.girdle = k * p.girdle;
    p.diameter = p.diameter / k;
    return 1;
}

// The derived writes, on a copy the caller commits only on success.
int WriteDerived(OvalParams& p, ParameterId id, double v) {
    switch (id) {
        case ParameterCrownHeight: {
            const double slope = std::tan(p.crownAngle);
            if (slope > kAngleGuard) p.table = 1.0 - 2.0 * v / slope;
            return 1;
        }
        case ParameterCrownAngle:
            if (v > kAngleGuard) {
                p.table = 1.0 - (1.0 - p.table) * std::tan(p.crownAngle) / std::tan(v);
                p.crownAngle = v;
            }
            return 1;
        case ParameterPavilionHeight:
            p.pavilionAngle = std::atan(2.0 * v);
            return 1;
        case ParameterTotalHeightPercent:
        case ParameterTotalHeightMm: {
            const double total = TotalHeight(p);
            if (total == 0.0) return 0;
            if (id == ParameterTotalHeightMm && p.diameter == 0.0) return 0;
            const double target = id == ParameterTotalHeightMm ? v / p.diameter : v;
            return ScaleHeightsKeepingDiameter(p, target / total);
        }
        case ParameterTotalHeightFixMm: {
            const double total = TotalHeight(p);
            if (total == 0.0 || v == 0.0) return 0;
            return ScaleHeightsKeepingMillimetres(p, v / total);
        }
        case ParameterTotalHeightFixPercent: {
            const double total = TotalHeight(p);
            if (total == 0.0) return 0;
            p.diameter = v / total;
            return 1;
        }
        case ParameterSecondDiameter:
            if (p.diameter == 0.0) return 0;
            p.ratio = v / p.diameter;
            return 1;
        case ParameterStarFacets:
            p.squareTable = SolveSquareTable(p, v, -1.0, 1.0);
            return 1;
        default:
            return 0;
    }
}

}  // namespace

double CrownHeight(const OvalParams& p) { return std::tan(p.crownAngle) * (1.0 - p.table) * 0.5; }

double PavilionHeight(const OvalParams& p) { return std::tan(p.pavilionAngle) * 0.5; }

double TotalHeight(const OvalParams& p) { return CrownHeight(p) + PavilionHeight(p) + p.girdle; }

int ReadParameter(const OvalParams& p, ParameterId id, double* out) {
    switch (id) {
        case ParameterDiameter: *out = p.diameter; return 1;
        case ParameterPavilionAngle: *out = p.pavilionAngle; return 1;
        case ParameterTable: *out = p.table; return 1;
        case ParameterRatio: *out = p.ratio; return 1;
        case kParameterReadOnlyNoValue: return 1;
        case ParameterGirdle: *out = p.girdle; return 1;
        case ParameterCrownHeight: *out = CrownHeight(p); return 1;
        case ParameterCrownAngle: *out = p.crownAngle; return 1;
        case ParameterPavilionHeight: *out = PavilionHeight(p); return 1;
        case ParameterCuletOffsetX: *out = p.culetOffsetX; return 1;
        case ParameterCuletOffsetY: *out = p.culetOffsetY; return 1;
        case ParameterLowerFacetsDepth: *out = p.lowerFacetsDepth; return 1;
        case ParameterSquareTable: *out = p.squareTable; return 1;
        case ParameterSquareDeviation: *out = p.squareDeviation; return 1;
        case ParameterTotalHeightPercent:
        case ParameterTotalHeightFixMm: *out = TotalHeight(p); return 1;
        case ParameterStarFacets: *out = StarFacetsValue(p, 2.0 * kStoredSquareTable); return 1;
        case ParameterSecondDiameter: *out = p.ratio * p.diameter; return 1;
        case ParameterTotalHeightMm:
        case ParameterTotalHeightFixPercent: *out = TotalHeight(p) * p.diameter; return 1;
        default: return 0;
    }
}

int WriteParameter(OvalParams& p, ParameterId id, double value) {
    switch (id) {
        case ParameterDiameter: p.diameter = value; return 1;
        case ParameterPavilionAngle: p.pavilionAngle = value; return 1;
        case ParameterTable: p.table = value; return 1;
        case ParameterRatio: p.ratio = value; return 1;
        case ParameterGirdle: p.girdle = value; return 1;
        case ParameterCuletOffsetX: p.culetOffsetX = value; return 1;
        case ParameterCuletOffsetY: p.culetOffsetY = value; return 1;
        case ParameterLowerFacetsDepth: p.lowerFacetsDepth = value; return 1;
        case ParameterSquareTable: p.squareTable = value; return 1;
        case ParameterSquareDeviation: p.squareDeviation = value; return 1;
        default: {
            OvalParams changed = p;
            if (WriteDerived(changed, id, value) == 0) return 0;
            p = changed;
            return 1;
        }
    }
}

}  // namespace oval
