#include "face_geometry.hpp"

#include <algorithm>
#include <cmath>

namespace cutting::host::solid {

Vec3 FaceCentroid(std::span<const Vec3> vertices, const FaceLoop& loop) {
    Vec3 sum;
    for (std::uint32_t index : loop) sum = sum + vertices[index];
    return (1.0 / static_cast<double>(loop.size())) * sum;
}

Vec3 NewellVector(std::span<const Vec3> vertices, const FaceLoop& loop) {
    // Taken relative to the centroid so that faces far from the origin keep
    // their precision.
    const Vec3 centre = FaceCentroid(vertices, loop);
    Vec3 n;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const Vec3 a = vertices[loop[i]] - centre;
        const Vec3 b = vertices[loop[(i + 1) % loop.size()]] - centre;
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

double FaceNonPlanarity(std::span<const Vec3> vertices, const FaceLoop& loop) {
    const Vec3 normal = Normalized(NewellVector(vertices, loop));
    const Vec3 centre = FaceCentroid(vertices, loop);
    double worst = 0.0;
    for (std::uint32_t index : loop) {
        worst = std::max(worst, std::fabs(Dot(normal, vertices[index] - centre)));
    }
    return worst;
}

std::vector<std::array<std::uint32_t, 3>> FanTriangles(const FaceLoop& loop) {
    std::vector<std::array<std::uint32_t, 3>> triangles;
    for (std::size_t i = 1; i + 1 < loop.size(); ++i) {
        triangles.push_back({loop[0], loop[i], loop[i + 1]});
    }
    return triangles;
}

}  // namespace cutting::host::solid
