#include "mesh_checks.hpp"

#include "oval_description.hpp"
#include "solid/face_geometry.hpp"

#include <cmath>

namespace oval_test {
namespace {

using solid::Vec3;

struct Triangle {
    Vec3 a, b, c;
};

std::vector<Triangle> Fans(const solid::Solid& stone) {
    std::vector<Triangle> fans;
    for (const solid::Face& face : stone.faces)
        for (const auto& t : solid::FanTriangles(face.loop))
            fans.push_back(Triangle{stone.vertices[t[0]], stone.vertices[t[1]], stone.vertices[t[2]]});
    return fans;
}

// Signed crossings of the ray from `origin` along `direction` with the
// triangles: +1 where it leaves through a triangle's front, -1 where it enters.
int SignedCrossings(const std::vector<Triangle>& triangles, Vec3 origin, Vec3 direction) {
    int winding = 0;
    for (const Triangle& t : triangles) {
        const Vec3 e1 = t.b - t.a, e2 = t.c - t.a;
        const Vec3 p = solid::Cross(direction, e2);
        const double det = solid::Dot(e1, p);
        if (det == 0.0) continue;
        const Vec3 s = origin - t.a;
        const double u = solid::Dot(s, p) / det;
        if (u < 0.0 || u > 1.0) continue;
        const Vec3 q = solid::Cross(s, e1);
        const double v = solid::Dot(direction, q) / det;
        if (v < 0.0 || u + v > 1.0) continue;
        if (solid::Dot(e2, q) / det <= 0.0) continue;
        winding += det < 0.0 ? 1 : -1;  // direction·(e1 × e2) = -det
    }
    return winding;
}

// A direction with no special relation to the stone's axes.
constexpr Vec3 kSkew{0.2718281828, -0.3141592653, 0.1414213562};

// A hair in front of the face: the centroid of its largest fan triangle
// (inside the face also where the face is not convex), moved along the normal.
Vec3 InFrontOf(const solid::Solid& stone, const solid::Face& face, double hair) {
    double largest = -1.0;
    Vec3 centre;
    for (const auto& t : solid::FanTriangles(face.loop)) {
        const Vec3 a = stone.vertices[t[0]], b = stone.vertices[t[1]], c = stone.vertices[t[2]];
        const double area = solid::Dot(solid::Cross(b - a, c - a), face.normal);
        if (area > largest) {
            largest = area;
            centre = (1.0 / 3.0) * (a + b + c);
        }
    }
    return centre + hair * face.normal;
}

}  // namespace

const std::vector<solid::FaceLoop>& OvalFaces() {
    static const std::vector<solid::FaceLoop> faces = solid::ParseFaceTable(oval::kFaceTable);
    return faces;
}

solid::Solid OvalSolid(std::span<const oval::Vec3> vertices) {
    std::vector<Vec3> points;
    for (const oval::Vec3& v : vertices) points.push_back(Vec3{v.x, v.y, v.z});
    return solid::BuildSolid(OvalFaces(), points);
}

int WindingNumber(const solid::Solid& stone, Vec3 point) { return SignedCrossings(Fans(stone), point, kSkew); }

MeshReport InspectMesh(std::span<const oval::Vec3> vertices, double degenerateArea) {
    const solid::Solid stone = OvalSolid(vertices);
    MeshReport report;
    for (const oval::Vec3& v : vertices)
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) report.allFinite = false;
    report.closed = stone.closed;
    report.volume = stone.volume;
    report.maxNonPlanarity = stone.maxNonPlanarity;
    const std::vector<Triangle> fans = Fans(stone);
    const double hair = 1e-9 * solid::Length(stone.bounds.Size());
    for (std::size_t i = 0; i < stone.faces.size(); ++i) {
        const solid::Face& face = stone.faces[i];
        const int index = static_cast<int>(i);
        if (report.worstFace < 0 || face.nonPlanarity > stone.faces[static_cast<std::size_t>(report.worstFace)].nonPlanarity)
            report.worstFace = index;
        if (!(face.area > degenerateArea)) {
            report.degenerateFaces.push_back(index);
            continue;
        }
        // Away from the face, slightly skewed so the ray meets no edge head on.
        if (SignedCrossings(fans, InFrontOf(stone, face, hair), face.normal + 1e-3 * kSkew) != 0)
            report.inwardFaces.push_back(index);
    }
    return report;
}

}  // namespace oval_test
