// A cut stone as a polyhedron: the plug-in's face loops joined with its
// vertices, with the measures every report and exporter needs.
#pragma once

#include "edges.hpp"
#include "face_table.hpp"
#include "vec3.hpp"

#include <cstdint>
#include <span>
#include <vector>

namespace cutting::host::solid {

struct Bounds {
    Vec3 min;
    Vec3 max;
    Vec3 Size() const { return max - min; }
};

struct Face {
    FaceLoop loop;
    Vec3 normal;             // unit Newell normal; zero for a degenerate face
    Vec3 centroid;           // mean of the loop's vertices
    double area = 0.0;       // mm²
    double nonPlanarity = 0.0;  // mm, largest vertex distance from the mean plane
};

struct Solid {
    std::vector<Vec3> vertices;  // mm, z up
    std::vector<Face> faces;
    std::vector<Edge> edges;
    Bounds bounds;
    double volume = 0.0;          // mm³, signed: negative when the faces wind inward
    double surfaceArea = 0.0;     // mm²
    double maxNonPlanarity = 0.0; // mm
    bool closed = false;          // every edge shared by two faces in opposite directions
    bool outward = false;         // closed with positive volume
    bool convex = false;          // every vertex on or behind every face plane
};

// Vertices from a plug-in's vertex buffer: x, y, z per vertex, mm.
std::vector<Vec3> VerticesFromBuffer(std::span<const double> xyz);

// Joins face loops and vertices into a solid and measures it. Throws
// SolidError when a loop refers to a vertex that does not exist.
Solid BuildSolid(std::vector<FaceLoop> faces, std::vector<Vec3> vertices);

// The same from a raw face table and vertex buffer.
Solid BuildSolid(std::span<const std::uint16_t> faceTable, std::span<const double> xyz);

// Tolerance of the flatness and convexity decisions: a length this fraction
// of the solid's largest extent counts as zero.
inline constexpr double kRelativeTolerance = 1e-9;

// The length that counts as zero for `solid`.
double LengthTolerance(const Solid& solid);

}  // namespace cutting::host::solid
