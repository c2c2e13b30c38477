// The crown measures behind the oval's derived parameters: the "Star facets"
// value, solving it back for "Square table", and rescaling the crown height.
// All of them rebuild the crown with the one oval construction.
#pragma once

#include "oval_params.hpp"

namespace oval {

// A trial value at or above this stands for the block's own "Square table".
inline constexpr double kStoredSquareTable = 1000.0;

// The "Star facets" value the block would have with "Square table" x: the plan
// distance of star point 0 from the table edge between corners 0 and 1,
// divided by that of mid girdle point 4. Depends only on ratio, squareness,
// table and x.
double StarFacetsValue(const OvalParams& p, double x);

// Sees every measure a solve makes, in order: the trial value (the stored
// "Square table" for the first) and the measure there. For tests and tools.
struct SolveObserver {
    void (*seen)(void* context, double x, double measure) = nullptr;
    void* context = nullptr;
};

inline constexpr double kSolveTolerance = 1e-5;
inline constexpr int kSolveIterations = 500;

// The "Square table" in [lo, hi] whose "Star facets" value is `target`:
// bracketing expansion clamped to the bounds, then false position; at most
// 502 measures. Returns the last trial point, met or not. Changes nothing.
double SolveSquareTable(const OvalParams& p, double target, double lo, double hi, SolveObserver observer = {});

// Multiplies the crown height (above the upper girdle plane) by `factor`
// through the crown angle, table and outline unchanged. 0, leaving the block
// as it was, when the table corner sits on its girdle point (no crown slope
// to scale, e.g. at table 1): the new angle would not be a number.
int RescaleCrownHeight(double factor, OvalParams& p);

}  // namespace oval
