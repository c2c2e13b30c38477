#include "solid.hpp"

#include "face_geometry.hpp"

#include <algorithm>
#include <limits>
#include <string>

namespace cutting::host::solid {

namespace {

void CheckIndices(const std::vector<FaceLoop>& faces, std::size_t vertexCount) {
    for (std::size_t f = 0; f < faces.size(); ++f) {
        for (std::uint32_t index : faces[f]) {
            if (index >= vertexCount) {
                throw SolidError("face " + std::to_string(f) + " refers to vertex " +
                                 std::to_string(index) + " of " + std::to_string(vertexCount));
            }
        }
    }
}

Bounds BoundsOf(std::span<const Vec3> vertices) {
    if (vertices.empty()) return {};
    constexpr double inf = std::numeric_limits<double>::infinity();
    Bounds b{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const Vec3& v : vertices) {
        b.min = {std::min(b.min.x, v.x), std::min(b.min.y, v.y), std::min(b.min.z, v.z)};
        b.max = {std::max(b.max.x, v.x), std::max(b.max.y, v.y), std::max(b.max.z, v.z)};
    }
    return b;
}

// Divergence theorem over the fan triangles, as tetrahedra from a reference
// point at the vertex mean (which keeps the terms small).
double SignedVolume(std::span<const Vec3> vertices, const std::vector<Face>& faces) {
    Vec3 reference;
    for (const Vec3& v : vertices) reference = reference + v;
    if (!vertices.empty()) reference = (1.0 / static_cast<double>(vertices.size())) * reference;

    double sixfold = 0.0;
    for (const Face& face : faces) {
        for (const auto& t : FanTriangles(face.loop)) {
            const Vec3 a = vertices[t[0]] - reference;
            const Vec3 b = vertices[t[1]] - reference;
            const Vec3 c = vertices[t[2]] - reference;
            sixfold += Dot(a, Cross(b, c));
        }
    }
    return sixfold / 6.0;
}

bool IsConvex(std::span<const Vec3> vertices, const std::vector<Face>& faces, double tolerance) {
    for (const Face& face : faces) {
        for (const Vec3& v : vertices) {
            if (Dot(face.normal, v - face.centroid) > tolerance) return false;
        }
    }
    return true;
}

}  // namespace

std::vector<Vec3> VerticesFromBuffer(std::span<const double> xyz) {
    if (xyz.size() % 3 != 0) {
        throw SolidError("vertex buffer of " + std::to_string(xyz.size()) +
                         " doubles is not a whole number of x, y, z triples");
    }
    std::vector<Vec3> vertices(xyz.size() / 3);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        vertices[i] = {xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]};
    }
    return vertices;
}

double LengthTolerance(const Solid& solid) {
    const Vec3 size = solid.bounds.Size();
    return kRelativeTolerance * std::max({size.x, size.y, size.z});
}

Solid BuildSolid(std::vector<FaceLoop> loops, std::vector<Vec3> vertices) {
    CheckIndices(loops, vertices.size());

    Solid s;
    s.vertices = std::move(vertices);
    s.bounds = BoundsOf(s.vertices);
    s.edges = CollectEdges(loops);
    s.faces.reserve(loops.size());
    for (FaceLoop& loop : loops) {
        Face face;
        const Vec3 newell = NewellVector(s.vertices, loop);
        face.normal = Normalized(newell);
        face.centroid = FaceCentroid(s.vertices, loop);
        face.area = 0.5 * Length(newell);
        face.nonPlanarity = FaceNonPlanarity(s.vertices, loop);
        face.loop = std::move(loop);
        s.surfaceArea += face.area;
        s.maxNonPlanarity = std::max(s.maxNonPlanarity, face.nonPlanarity);
        s.faces.push_back(std::move(face));
    }
    s.volume = SignedVolume(s.vertices, s.faces);
    s.closed = IsClosed(s.edges);
    s.outward = s.closed && s.volume > 0.0;
    s.convex = s.closed && IsConvex(s.vertices, s.faces, LengthTolerance(s));
    return s;
}

Solid BuildSolid(std::span<const std::uint16_t> faceTable, std::span<const double> xyz) {
    return BuildSolid(ParseFaceTable(faceTable), VerticesFromBuffer(xyz));
}

}  // namespace cutting::host::solid
