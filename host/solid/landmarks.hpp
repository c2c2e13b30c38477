// The parts of a cut stone a grader names: table, girdle band, crown and
// pavilion main facets, found from the geometry alone.
//
//   table         the topmost horizontal face
//   girdle band   the z-range of the vertices at the outline's maximum
//                 extent (touching the sides of the bounding box)
//   crown main    an upward face touching both the table and the top of the
//                 girdle band; the one reported faces the +width direction
//   pavilion main a downward face touching both the lowest point and the
//                 bottom of the girdle band; likewise the one facing +width
//
// Width is the narrower horizontal extent (y when both are equal).
#pragma once

#include "solid.hpp"

namespace cutting::host::solid {

enum class Axis { X, Y };

struct Landmarks {
    Axis lengthAxis = Axis::X;
    Axis widthAxis = Axis::Y;
    int table = kNoFace;         // face index, kNoFace when the top is not flat
    double girdleTop = 0.0;      // mm
    double girdleBottom = 0.0;   // mm
    int crownMain = kNoFace;     // face index, kNoFace when there is none
    int pavilionMain = kNoFace;  // face index, kNoFace when there is none
};

Landmarks FindLandmarks(const Solid& solid);

// Angle in radians between a face with unit `normal` and the horizontal
// girdle plane: 0 for a horizontal face, π/2 for a vertical one.
double AngleToGirdlePlane(Vec3 normal);

}  // namespace cutting::host::solid
