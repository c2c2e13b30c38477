// Invariants of a polyhedron given as face loops over a vertex list: faces
// read from a face table by the loop rule, flatness, winding, closedness and
// volume. Lengths are in the units of the vertices.
#pragma once

#include "geometry.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace oval_test {

using Face = std::vector<int>;

// The faces of a table of uint16 indices: each face ends where its first
// index comes again, 0xFFFF ends the table.
std::vector<Face> ParseFaceTable(const std::uint16_t* table);

// The oval's 121 faces, read once from its face table.
const std::vector<Face>& OvalFaces();

struct FaceShape {
    oval::Vec3 areaVector;  // Newell: area times the normal of the loop's counterclockwise side
    oval::Vec3 centroid;    // mean of the loop's vertices
    double area = 0.0;
    double nonPlanarity = 0.0;  // largest vertex distance from the plane through the centroid
};

FaceShape MeasureFace(std::span<const oval::Vec3> vertices, const Face& face);

// Empty when every edge belongs to exactly two faces that run along it in
// opposite directions; otherwise the first offending edge.
std::string ClosedSurfaceDefect(const std::vector<Face>& faces);

// Enclosed volume, positive when the loops run counterclockwise seen from outside.
double SignedVolume(std::span<const oval::Vec3> vertices, const std::vector<Face>& faces);

// How often the closed surface winds around `point`: 1 inside, 0 outside,
// 2 where the surface overlaps itself, -1 inside a surface wound inward.
int WindingNumber(std::span<const oval::Vec3> vertices, const std::vector<Face>& faces, oval::Vec3 point);

struct MeshReport {
    bool allFinite = true;
    std::string closedDefect;    // empty for a closed, consistently wound surface
    double volume = 0.0;
    double maxNonPlanarity = 0.0;
    int worstFace = -1;          // the face of maxNonPlanarity
    std::vector<int> degenerateFaces;  // area not above `degenerateArea`
    std::vector<int> inwardFaces;      // non-degenerate faces with solid in front of them
};

// Everything above at once. A face is wound outward when the point a hair in
// front of it (along the normal of its counterclockwise side, from inside the
// face) lies outside the solid; with a closed surface and positive volume
// that makes every face counterclockwise seen from outside, also where the
// solid is not convex.
MeshReport InspectMesh(std::span<const oval::Vec3> vertices, const std::vector<Face>& faces, double degenerateArea);

}  // namespace oval_test
