// The oval stone as a solid, measured with the workbench's solid library
// (face loops, closedness, volume, flatness), plus what that library does not
// tell: whether each face is wound outward also where the stone is not
// convex, and which faces have collapsed.
#pragma once

#include "geometry.hpp"
#include "solid/solid.hpp"

#include <span>
#include <vector>

namespace oval_test {

namespace solid = cutting::host::solid;

// The oval's face loops, read once from its face table.
const std::vector<solid::FaceLoop>& OvalFaces();

// The oval's faces joined with vertices in the units they come in.
solid::Solid OvalSolid(std::span<const oval::Vec3> vertices);

// How often the closed surface winds around `point`: 1 inside, 0 outside,
// 2 where the surface overlaps itself, -1 inside a surface wound inward.
int WindingNumber(const solid::Solid& stone, solid::Vec3 point);

struct MeshReport {
    bool allFinite = true;
    bool closed = false;         // each edge in two faces that run along it in opposite directions
    double volume = 0.0;
    double maxNonPlanarity = 0.0;
    int worstFace = -1;          // the face of maxNonPlanarity
    std::vector<int> degenerateFaces;  // area not above `degenerateArea`
    std::vector<int> inwardFaces;      // non-degenerate faces with solid in front of them
};

// A face is wound outward when the point a hair in front of it (along the
// normal of its counterclockwise side, from inside the face) lies outside the
// solid. With a closed surface and positive volume that makes every face
// counterclockwise seen from outside.
MeshReport InspectMesh(std::span<const oval::Vec3> vertices, double degenerateArea);

}  // namespace oval_test
