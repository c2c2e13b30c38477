// Reading and writing the oval's parameters by identifier. Eleven map onto
// fields; the others are derived (heights, total height in two units, second
// diameter, star facets) and a write solves back for the stored fields.
#pragma once

#include "cutting_plugin.h"
#include "oval_params.hpp"

namespace oval {

// Derived quantities, as fractions of the diameter.
double CrownHeight(const OvalParams& p);     // table above the upper girdle plane
double PavilionHeight(const OvalParams& p);  // culet below the lower girdle plane
double TotalHeight(const OvalParams& p);     // crown + pavilion + girdle

// 1 if the identifier is served, after storing its value in *out (except for
// the identifier that reads without a value). The block is not changed.
int ReadParameter(const OvalParams& p, ParameterId id, double* out);

// 1 if the identifier is served. A served write that a guard skips still
// returns 1. A derived write that would divide by zero (a zero diameter or
// total height, a zero fix-height value, a crown without slope) returns 0 and
// leaves the block as it was.
int WriteParameter(OvalParams& p, ParameterId id, double value);

}  // namespace oval
