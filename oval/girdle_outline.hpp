// The girdle outline: a superellipse |x/bx|^g + |y/cy|^g = 1 whose exponent
// g = 2/(1 - e) comes from the squareness e ("Square deviation").
#pragma once

#include "geometry.hpp"

namespace oval {

// The angle step of the outline divides this nine-decimal constant, not 2π:
// the quarter-turn samples sit about 1e-10 off the axes, and the vertices
// contain that offset.
inline constexpr double kFullTurn = 6.283185307;

// Accepted squareness: kMinSquareness <= e < kMaxSquareness (1 <= g < 400).
inline constexpr double kMinSquareness = -1.0;
inline constexpr double kMaxSquareness = 0.995;

// a^b for a >= 0, with b = 0 giving 1, a = 0 giving 0 and results below
// 1e-300 flushed to zero.
double PowSafe(double a, double b);

// Whether e lies in the outline's accepted range.
bool SquarenessInRange(double e);

// Sample i of SuperellipseOutline(count, start, bx, cy, e, ·), for an e in
// range: each sample depends only on its own angle, so computing a few of them
// alone gives exactly the values of the whole outline.
Vec2 OutlineSample(int i, int count, double start, double bx, double cy, double e);

// count samples evenly spaced in the angle t from start; sample i lies on the
// ray through (bx·cos t, cy·sin t) and on the curve. 0, writing nothing, when
// e is out of range or out is null; a count of zero or less writes nothing.
int SuperellipseOutline(int count, double start, double bx, double cy, double e, Vec2* out);

}  // namespace oval
