// The proportions report a grader expects, measured from the solid.
//
// Percentages follow the trade's convention for fancy shapes: they are of
// the width, the narrowest girdle diameter.
#pragma once

#include "landmarks.hpp"
#include "solid.hpp"

#include <optional>

namespace cutting::host::solid {

struct Proportions {
    double lengthMm = 0.0;   // larger horizontal extent
    double widthMm = 0.0;    // smaller horizontal extent
    double depthMm = 0.0;    // vertical extent
    double lengthToWidth = 0.0;
    double totalDepthPct = 0.0;
    std::optional<double> tablePct;  // table's extent across the width; none without a flat top
    double crownHeightPct = 0.0;     // top of the girdle band to the table (or the top)
    double pavilionDepthPct = 0.0;   // bottom of the girdle band to the lowest point
    double girdleThicknessPct = 0.0;
    std::optional<double> crownAngleDeg;     // the crown main facing +width
    std::optional<double> pavilionAngleDeg;  // the pavilion main facing +width
    double volumeMm3 = 0.0;
    double surfaceAreaMm2 = 0.0;
    double densityGPerCm3 = 0.0;
    double carats = 0.0;
    double maxNonPlanarityMm = 0.0;
    bool closed = false;
    bool convex = false;
};

Proportions MeasureProportions(const Solid& solid, double densityGPerCm3);

}  // namespace cutting::host::solid
