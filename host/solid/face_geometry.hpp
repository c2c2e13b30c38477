// Geometry of one polygon face given as an index loop into a vertex list.
#pragma once

#include "face_table.hpp"
#include "vec3.hpp"

#include <array>
#include <span>
#include <vector>

namespace cutting::host::solid {

// Mean of the face's vertices.
Vec3 FaceCentroid(std::span<const Vec3> vertices, const FaceLoop& loop);

// Newell's normal: twice the vector area of the loop, pointing to the side
// from which the loop runs counterclockwise. Exact for planar faces, a
// well-behaved average for slightly warped ones; zero for a degenerate face.
Vec3 NewellVector(std::span<const Vec3> vertices, const FaceLoop& loop);

// Largest distance of a vertex from the face's mean plane (through the
// centroid, perpendicular to the Newell normal). Zero for a degenerate face.
double FaceNonPlanarity(std::span<const Vec3> vertices, const FaceLoop& loop);

// The loop as a fan of triangles around its first vertex: n - 2 triangles
// with the loop's orientation.
std::vector<std::array<std::uint32_t, 3>> FanTriangles(const FaceLoop& loop);

}  // namespace cutting::host::solid
