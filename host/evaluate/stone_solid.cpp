#include "stone_solid.hpp"

#include "core/errors.hpp"

#include <string>

namespace cutting::host {

solid::Solid BuildStoneSolid(Stone& stone) {
    const Cutting& cutting = stone.GetCutting();
    const auto vertices = stone.Vertices();
    if (!vertices) {
        throw LoadError("InitVertex failed for " + cutting.name + " (cutting " + std::to_string(cutting.id) + ")");
    }
    std::vector<solid::FaceLoop> loops;
    loops.reserve(cutting.faces.faces.size());
    for (const Face& face : cutting.faces.faces) loops.emplace_back(face.begin(), face.end());
    std::vector<solid::Vec3> points;
    points.reserve(vertices->size());
    for (const Vertex& v : *vertices) points.push_back({v.x, v.y, v.z});
    try {
        return solid::BuildSolid(std::move(loops), std::move(points));
    } catch (const solid::SolidError& error) {
        throw LoadError(cutting.name + ": " + error.what());
    }
}

}  // namespace cutting::host
