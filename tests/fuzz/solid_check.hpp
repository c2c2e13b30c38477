// Whether a face table and a vertex buffer form a proper solid: finite
// vertices, a closed surface, planar faces wound outward, positive volume.
//
// The check works in the stone's bounding box scaled to [-1, 1] along each
// axis (which maps planes to planes and keeps every orientation), so its
// tolerances are relative to the stone's extent E along each axis and the
// verdict depends neither on the diameter nor on the proportions:
// - a face is planar when no vertex lies farther than kPlanarTolerance·E from
//   its mean plane. The construction makes every face planar exactly; what
//   is left is rounding, about 1e-16·E per operation and amplified by the
//   plane and line intersections (a few orders at worst in accepted stones),
//   while 1e-9·E is a nanometre on a one-millimetre stone, far below any
//   visible warp.
// - a face whose area is at most kDegenerateArea·E² has no usable plane (a
//   pavilion main whose pavilion points sit on the culet, say): its
//   flatness and orientation are not judged. Above that bound the rounding
//   of the coordinates tilts the computed normal by less than 1e-2 radians.
// - each other face must point away from the solid's centroid, and the
//   enclosed volume must be positive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

inline constexpr double kPlanarTolerance = 1e-9;
inline constexpr double kDegenerateArea = 1e-14;

// A face table read by the loop rule: faces as runs of vertex indices.
struct FaceLoops {
    std::vector<uint32_t> indices;  // every face's loop, without the closing repetition
    std::vector<size_t> starts;     // where each face begins in indices; one more entry at the end
    size_t vertexCount = 0;         // one more than the largest index

    size_t FaceCount() const { return starts.empty() ? 0 : starts.size() - 1; }
};

// Reads at most maxEntries uint16 values. Empty string on success, else what
// is wrong: no terminator, a loop that does not close, a repeated index, a
// face of fewer than three vertices, an unused vertex number.
std::string ParseFaceTable(const uint16_t* table, size_t maxEntries, FaceLoops& out);

// Empty when every directed edge occurs once and its reverse once.
std::string ClosedSurfaceDefect(const FaceLoops& faces);

// Empty when the vertices (x, y, z per vertex, faces.vertexCount of them)
// form a proper solid with these faces, else the first defect found.
std::string SolidDefect(const FaceLoops& faces, const double* xyz);

}  // namespace fuzz
