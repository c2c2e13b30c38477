#include "core/face_table.hpp"

#include <algorithm>
#include <array>

namespace cutting::host {

namespace {
constexpr uint16_t kEnd = 0xFFFF;

std::string At(size_t position) { return " at entry " + std::to_string(position); }
}  // namespace

FaceTable ParseFaceTable(const uint16_t* entries, size_t maxEntries) {
    if (entries == nullptr) throw FaceTableError("the face table is null");
    FaceTable table;
    size_t position = 0;
    int largest = -1;
    while (true) {
        if (position >= maxEntries)
            throw FaceTableError("no terminator 0xFFFF within " + std::to_string(maxEntries) + " entries");
        const uint16_t first = entries[position];
        if (first == kEnd) break;
        const size_t start = position;
        Face face{first};
        ++position;
        while (true) {
            if (position >= maxEntries)
                throw FaceTableError("face " + std::to_string(table.faces.size()) + " starting" + At(start) +
                                     " never closes");
            const uint16_t index = entries[position++];
            if (index == first) break;
            if (index == kEnd)
                throw FaceTableError("face " + std::to_string(table.faces.size()) + " starting" + At(start) +
                                     " is cut short by the terminator");
            if (std::find(face.begin(), face.end(), index) != face.end())
                throw FaceTableError("face " + std::to_string(table.faces.size()) + " repeats vertex " +
                                     std::to_string(index) + At(position - 1));
            face.push_back(index);
        }
        if (face.size() < 3)
            throw FaceTableError("face " + std::to_string(table.faces.size()) + " has only " +
                                 std::to_string(face.size()) + " vertices" + At(start));
        for (int index : face) largest = std::max(largest, index);
        table.faces.push_back(std::move(face));
    }
    table.vertexCount = largest + 1;
    table.entryCount = position + 1;
    return table;
}

std::vector<int> UnusedVertices(const FaceTable& table) {
    std::vector<bool> used(static_cast<size_t>(table.vertexCount), false);
    for (const Face& face : table.faces) {
        for (int index : face) used[static_cast<size_t>(index)] = true;
    }
    std::vector<int> unused;
    for (size_t i = 0; i < used.size(); ++i) {
        if (!used[i]) unused.push_back(static_cast<int>(i));
    }
    return unused;
}

std::map<size_t, int> FacesByCornerCount(const FaceTable& table) {
    std::map<size_t, int> counts;
    for (const Face& face : table.faces) ++counts[face.size()];
    return counts;
}

std::string PolygonKindName(size_t corners, int count) {
    static constexpr std::array<const char*, 9> kNames{"",         "",         "",        "triangle", "quadrilateral",
                                                       "pentagon", "hexagon",  "heptagon", "octagon"};
    std::string name = corners < kNames.size() ? kNames[corners] : std::to_string(corners) + "-gon";
    if (count != 1) name += "s";
    return name;
}

}  // namespace cutting::host
