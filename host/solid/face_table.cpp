#include "face_table.hpp"

#include <algorithm>
#include <string>

namespace cutting::host::solid {

namespace {

std::string At(std::size_t face, std::size_t position) {
    return "face " + std::to_string(face) + " (table entry " + std::to_string(position) + ")";
}

}  // namespace

std::vector<FaceLoop> ParseFaceTable(std::span<const std::uint16_t> table) {
    std::vector<FaceLoop> faces;
    std::size_t pos = 0;
    while (true) {
        if (pos >= table.size()) {
            throw SolidError("face table ends without its terminator after " +
                             std::to_string(faces.size()) + " faces");
        }
        if (table[pos] == kFaceTableEnd) break;

        const std::size_t faceStart = pos;
        const std::uint16_t first = table[pos++];
        FaceLoop loop{first};
        while (true) {
            if (pos >= table.size() || table[pos] == kFaceTableEnd) {
                throw SolidError(At(faces.size(), faceStart) + " is not closed by its first index " +
                                 std::to_string(first));
            }
            const std::uint16_t index = table[pos++];
            if (index == first) break;
            if (std::find(loop.begin(), loop.end(), index) != loop.end()) {
                throw SolidError(At(faces.size(), faceStart) + " repeats vertex " +
                                 std::to_string(index));
            }
            loop.push_back(index);
        }
        if (loop.size() < 3) {
            throw SolidError(At(faces.size(), faceStart) + " has " + std::to_string(loop.size()) +
                             " vertices; a face needs at least 3");
        }
        faces.push_back(std::move(loop));
    }
    return faces;
}

std::size_t VertexCountOf(const std::vector<FaceLoop>& faces) {
    std::size_t count = 0;
    for (const FaceLoop& loop : faces) {
        for (std::uint32_t index : loop) count = std::max<std::size_t>(count, index + std::size_t{1});
    }
    return count;
}

}  // namespace cutting::host::solid
