// Whether an oval parameter set describes a proper stone: range checks on
// single fields, then the very construction the vertex output runs, tested
// for star points outside the girdle and for a girdle band cut through.
#pragma once

#include "oval_params.hpp"

namespace oval {

// The smallest girdle thickness, fraction of the diameter, at every sample.
inline constexpr double kMinGirdleThickness = 1e-6;

// 1 when the block is accepted. Reads the block only; writes nothing.
int CheckOval(const OvalParams& p);

// The geometric tests on the unit-frame construction: 100 when valid, else 0.
// Runs to completion on any numbers and relies on no range check.
int CheckOvalGeometry(const OvalParams& p);

}  // namespace oval
