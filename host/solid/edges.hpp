// The edges of a polygon mesh and the faces on either side of them.
#pragma once

#include "face_table.hpp"

#include <cstdint>
#include <vector>

namespace cutting::host::solid {

inline constexpr int kNoFace = -1;

// An undirected edge between vertices `low` < `high`. `forwardFace` is the
// face whose loop runs low -> high, `backwardFace` the one whose loop runs
// high -> low; in a closed, consistently wound solid each edge has exactly
// one of each. `uses` counts every loop that traverses the edge.
struct Edge {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    int forwardFace = kNoFace;
    int backwardFace = kNoFace;
    int uses = 0;
};

// Every edge of `faces`, ordered by (low, high).
std::vector<Edge> CollectEdges(const std::vector<FaceLoop>& faces);

// True when every edge is shared by exactly two faces that traverse it in
// opposite directions: the mesh is a closed, consistently oriented surface.
bool IsClosed(const std::vector<Edge>& edges);

}  // namespace cutting::host::solid
