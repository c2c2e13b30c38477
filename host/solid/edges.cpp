#include "edges.hpp"

#include <algorithm>
#include <map>
#include <utility>

namespace cutting::host::solid {

std::vector<Edge> CollectEdges(const std::vector<FaceLoop>& faces) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, Edge> byEnds;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const FaceLoop& loop = faces[f];
        for (std::size_t i = 0; i < loop.size(); ++i) {
            const std::uint32_t from = loop[i];
            const std::uint32_t to = loop[(i + 1) % loop.size()];
            const auto key = std::minmax(from, to);
            Edge& edge = byEnds[{key.first, key.second}];
            edge.low = key.first;
            edge.high = key.second;
            ++edge.uses;
            // A second loop in the same direction is an orientation fault;
            // `uses` records it, the first face stays on record.
            int& side = from < to ? edge.forwardFace : edge.backwardFace;
            if (side == kNoFace) side = static_cast<int>(f);
        }
    }
    std::vector<Edge> edges;
    edges.reserve(byEnds.size());
    for (const auto& entry : byEnds) edges.push_back(entry.second);
    return edges;
}

bool IsClosed(const std::vector<Edge>& edges) {
    if (edges.empty()) return false;
    return std::all_of(edges.begin(), edges.end(), [](const Edge& e) {
        return e.uses == 2 && e.forwardFace != kNoFace && e.backwardFace != kNoFace;
    });
}

}  // namespace cutting::host::solid
