#include "mesh_checks.hpp"

#include "oval_description.hpp"

#include <cmath>
#include <map>
#include <utility>

namespace oval_test {
namespace {

using oval::Vec3;

Vec3 Minus(Vec3 a, Vec3 b) { return Vec3{a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
Vec3 Plus(Vec3 a, Vec3 b) { return Vec3{a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Scaled(Vec3 a, double k) { return Vec3{a.x * k, a.y * k, a.z * k}; }

struct Triangle {
    Vec3 a, b, c;
};

// Each face as a fan around its first vertex; the triangles keep the loop's orientation.
std::vector<Triangle> Fans(std::span<const Vec3> vertices, const std::vector<Face>& faces) {
    std::vector<Triangle> fans;
    for (const Face& face : faces)
        for (std::size_t i = 1; i + 1 < face.size(); ++i)
            fans.push_back(Triangle{vertices[static_cast<std::size_t>(face[0])],
                                    vertices[static_cast<std::size_t>(face[i])],
                                    vertices[static_cast<std::size_t>(face[i + 1])]});
    return fans;
}

// Signed crossings of the ray from `origin` along `direction` with the
// triangles: +1 where it leaves through a triangle's front, -1 where it enters.
int SignedCrossings(const std::vector<Triangle>& triangles, Vec3 origin, Vec3 direction) {
    int winding = 0;
    for (const Triangle& t : triangles) {
        const Vec3 e1 = Minus(t.b, t.a), e2 = Minus(t.c, t.a);
        const Vec3 p = Cross(direction, e2);
        const double det = Dot(e1, p);
        if (det == 0.0) continue;
        const Vec3 s = Minus(origin, t.a);
        const double u = Dot(s, p) / det;
        if (u < 0.0 || u > 1.0) continue;
        const Vec3 q = Cross(s, e1);
        const double v = Dot(direction, q) / det;
        if (v < 0.0 || u + v > 1.0) continue;
        if (Dot(e2, q) / det <= 0.0) continue;
        winding += det < 0.0 ? 1 : -1;  // direction·(e1 × e2) = -det
    }
    return winding;
}

// A direction with no special relation to the stone's axes.
const Vec3 kSkew{0.2718281828, -0.3141592653, 0.1414213562};

// The face's point a hair in front of it: the centroid of its largest fan
// triangle, moved along the face normal.
Vec3 InFrontOf(std::span<const Vec3> vertices, const Face& face, Vec3 normal) {
    double largest = -1.0;
    Vec3 centre;
    for (std::size_t i = 1; i + 1 < face.size(); ++i) {
        const Vec3& a = vertices[static_cast<std::size_t>(face[0])];
        const Vec3& b = vertices[static_cast<std::size_t>(face[i])];
        const Vec3& c = vertices[static_cast<std::size_t>(face[i + 1])];
        const double area = Dot(Cross(Minus(b, a), Minus(c, a)), normal);
        if (area > largest) {
            largest = area;
            centre = Scaled(Plus(Plus(a, b), c), 1.0 / 3.0);
        }
    }
    return Plus(centre, Scaled(normal, 1e-9));
}

}  // namespace

std::vector<Face> ParseFaceTable(const std::uint16_t* table) {
    std::vector<Face> faces;
    std::size_t at = 0;
    while (table[at] != 0xFFFF) {
        Face face{table[at++]};
        while (table[at] != face.front()) face.push_back(table[at++]);
        ++at;  // the closing repetition
        faces.push_back(face);
    }
    return faces;
}

const std::vector<Face>& OvalFaces() {
    static const std::vector<Face> faces = ParseFaceTable(oval::kFaceTable.data());
    return faces;
}

FaceShape MeasureFace(std::span<const Vec3> vertices, const Face& face) {
    FaceShape shape;
    const std::size_t n = face.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec3& p = vertices[static_cast<std::size_t>(face[i])];
        const Vec3& q = vertices[static_cast<std::size_t>(face[(i + 1) % n])];
        shape.areaVector.x += (p.y - q.y) * (p.z + q.z) / 2.0;
        shape.areaVector.y += (p.z - q.z) * (p.x + q.x) / 2.0;
        shape.areaVector.z += (p.x - q.x) * (p.y + q.y) / 2.0;
        shape.centroid.x += p.x / static_cast<double>(n);
        shape.centroid.y += p.y / static_cast<double>(n);
        shape.centroid.z += p.z / static_cast<double>(n);
    }
    shape.area = Length(shape.areaVector);
    if (shape.area == 0.0) return shape;
    const Vec3 normal{shape.areaVector.x / shape.area, shape.areaVector.y / shape.area,
                      shape.areaVector.z / shape.area};
    for (int v : face) {
        const double distance = std::fabs(Dot(normal, Minus(vertices[static_cast<std::size_t>(v)], shape.centroid)));
        if (distance > shape.nonPlanarity) shape.nonPlanarity = distance;
    }
    return shape;
}

std::string ClosedSurfaceDefect(const std::vector<Face>& faces) {
    // For each directed edge, how many loops run along it.
    std::map<std::pair<int, int>, int> runs;
    for (const Face& face : faces)
        for (std::size_t i = 0; i < face.size(); ++i) ++runs[{face[i], face[(i + 1) % face.size()]}];
    for (const auto& [edge, count] : runs) {
        const auto back = runs.find({edge.second, edge.first});
        const int opposite = back == runs.end() ? 0 : back->second;
        if (count != 1 || opposite != 1)
            return "edge " + std::to_string(edge.first) + "->" + std::to_string(edge.second) + " run " +
                   std::to_string(count) + " times, the other way " + std::to_string(opposite) + " times";
    }
    return {};
}

double SignedVolume(std::span<const Vec3> vertices, const std::vector<Face>& faces) {
    double volume = 0.0;
    for (const Face& face : faces) {
        const Vec3& a = vertices[static_cast<std::size_t>(face[0])];
        for (std::size_t i = 1; i + 1 < face.size(); ++i)
            volume += Dot(a, Cross(vertices[static_cast<std::size_t>(face[i])],
                                   vertices[static_cast<std::size_t>(face[i + 1])])) / 6.0;
    }
    return volume;
}

int WindingNumber(std::span<const Vec3> vertices, const std::vector<Face>& faces, Vec3 point) {
    return SignedCrossings(Fans(vertices, faces), point, kSkew);
}

MeshReport InspectMesh(std::span<const Vec3> vertices, const std::vector<Face>& faces, double degenerateArea) {
    MeshReport report;
    const std::vector<Triangle> fans = Fans(vertices, faces);
    for (const Vec3& v : vertices)
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) report.allFinite = false;
    report.closedDefect = ClosedSurfaceDefect(faces);
    report.volume = SignedVolume(vertices, faces);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const FaceShape shape = MeasureFace(vertices, faces[i]);
        const int index = static_cast<int>(i);
        if (shape.nonPlanarity > report.maxNonPlanarity || report.worstFace < 0) {
            report.maxNonPlanarity = shape.nonPlanarity;
            report.worstFace = index;
        }
        if (!(shape.area > degenerateArea)) {
            report.degenerateFaces.push_back(index);
            continue;
        }
        const Vec3 normal = Scaled(shape.areaVector, 1.0 / shape.area);
        const Vec3 probe = InFrontOf(vertices, faces[i], normal);
        // Away from the face, slightly skewed so the ray meets no edge head on.
        if (SignedCrossings(fans, probe, Plus(normal, Scaled(kSkew, 1e-3))) != 0) report.inwardFaces.push_back(index);
    }
    return report;
}

}  // namespace oval_test
