// Reading a plug-in's face table by the loop rule: each face lists its vertex
// indices and then its first index again; 0xFFFF stands behind the last face.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace cutting::host {

using Face = std::vector<int>;  // vertex indices, counterclockwise seen from outside

struct FaceTable {
    std::vector<Face> faces;
    int vertexCount = 0;      // largest index + 1
    size_t entryCount = 0;    // entries read, the terminator included
};

class FaceTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A table longer than this is taken to have lost its terminator.
inline constexpr size_t kMaxFaceTableEntries = size_t{1} << 20;

// Parses the table; throws FaceTableError for a null table, a missing
// terminator, a loop of fewer than three vertices, an index repeated within a
// loop or a loop cut short by the terminator.
FaceTable ParseFaceTable(const uint16_t* entries, size_t maxEntries = kMaxFaceTableEntries);

// Vertex numbers below vertexCount that no face uses, in ascending order.
std::vector<int> UnusedVertices(const FaceTable& table);

// Number of faces by their number of corners.
std::map<size_t, int> FacesByCornerCount(const FaceTable& table);

// "triangles", "quadrilaterals", ..., "octagons", else "12-gons".
std::string PolygonKindName(size_t corners, int count);

}  // namespace cutting::host
