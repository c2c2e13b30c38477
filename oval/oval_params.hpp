// The oval cutting's parameter block, 96 bytes; the layout is binding.
// Lengths are fractions of the diameter unless marked mm; angles radians.
#pragma once

#include <cstddef>
#include <cstdint>

namespace oval {

struct OvalParams {
    int32_t variant;          // 1 by default; IsCorrect rejects values above 1
    int32_t unused;           // never read; zero in the defaults
    double diameter;          // extent of the girdle along y, mm
    double ratio;             // extent along x / extent along y
    double crownAngle;        // crown mains to the girdle plane (exact on the y axis)
    double table;             // table size
    double girdle;            // girdle thickness
    double pavilionAngle;     // the culet lies tan(pavilionAngle)/2 below the lower girdle plane
    double lowerFacetsDepth;  // pavilion points' depth, fraction of the pavilion height
    double culetOffsetX;      // culet position along x
    double culetOffsetY;      // culet position along y
    double squareDeviation;   // squareness of the girdle outline (0: an ellipse)
    double squareTable;       // star points' position on the crown (0 basic, +1 girdle plane)
};

static_assert(sizeof(OvalParams) == 96);
static_assert(offsetof(OvalParams, diameter) == 8);
static_assert(offsetof(OvalParams, ratio) == 16);
static_assert(offsetof(OvalParams, crownAngle) == 24);
static_assert(offsetof(OvalParams, table) == 32);
static_assert(offsetof(OvalParams, girdle) == 40);
static_assert(offsetof(OvalParams, pavilionAngle) == 48);
static_assert(offsetof(OvalParams, lowerFacetsDepth) == 56);
static_assert(offsetof(OvalParams, culetOffsetX) == 64);
static_assert(offsetof(OvalParams, culetOffsetY) == 72);
static_assert(offsetof(OvalParams, squareDeviation) == 80);
static_assert(offsetof(OvalParams, squareTable) == 88);

// Both default angles are this literal, just under 40 degrees.
inline constexpr double kDefaultAngle = 0.6981317007976;

inline constexpr OvalParams kDefaults{
    1, 0, 6.0, 1.2, kDefaultAngle, 0.6, 0.04, kDefaultAngle, 0.8, 0.0, 0.0, 0.0, 0.0};

}  // namespace oval
