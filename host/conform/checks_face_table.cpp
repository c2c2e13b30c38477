// The face table read by the loop rule, and the closed, outward-facing solid
// it makes with the default vertices.
#include "conform/check_groups.hpp"
#include "conform/check_support.hpp"

#include <array>
#include <cmath>
#include <fmt/format.h>
#include <map>
#include <utility>

namespace cutting::host::conform {

namespace {

CheckResult FaceTableLoopRule(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Fail("the face table breaks the loop rule: " + facts.facesError);
        const FaceTable& table = *facts.faces;
        if (table.faces.size() < 4)
            return CheckResult::Fail(fmt::format("{} faces cannot bound a solid", table.faces.size()));
        if (const std::vector<int> unused = UnusedVertices(table); !unused.empty())
            return CheckResult::Fail(fmt::format("{} of the vertices 0..{} are used by no face, the first {}",
                                                 unused.size(), table.vertexCount - 1, unused.front()));
        return CheckResult::Pass();
    });
}

CheckResult FaceEdgesPaired(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Skip("the face table cannot be read");
        // Each directed edge a->b once; its reverse b->a once, in another face.
        std::map<std::pair<int, int>, size_t> owner;
        const auto& faces = facts.faces->faces;
        for (size_t f = 0; f < faces.size(); ++f) {
            for (size_t i = 0; i < faces[f].size(); ++i) {
                const std::pair edge{faces[f][i], faces[f][(i + 1) % faces[f].size()]};
                if (const auto [it, inserted] = owner.emplace(edge, f); !inserted)
                    return CheckResult::Fail(fmt::format("edge {} -> {} runs the same way in faces {} and {}",
                                                         edge.first, edge.second, it->second, f));
            }
        }
        for (const auto& [edge, face] : owner) {
            if (owner.find({edge.second, edge.first}) == owner.end())
                return CheckResult::Fail(fmt::format("edge {} -> {} of face {} has no partner {} -> {}: the solid is "
                                                     "not closed",
                                                     edge.first, edge.second, face, edge.second, edge.first));
        }
        return CheckResult::Pass();
    });
}

struct Vec {
    double x = 0.0, y = 0.0, z = 0.0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(Vec a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Length(Vec a) { return std::sqrt(Dot(a, a)); }

CheckResult FacesOutward(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Skip("the face table cannot be read");
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() == 0) return CheckResult::Fail("InitDiamond failed");
        if (stone.IsCorrect() == 0) return CheckResult::Skip("IsCorrect rejects the default parameters");
        if (stone.InitVertex() == 0) return CheckResult::Fail("InitVertex failed for the default parameters");
        const double* c = stone.Coordinates();
        auto vertex = [c](int i) { return Vec{c[3 * i], c[3 * i + 1], c[3 * i + 2]}; };

        // Area vector (Newell) and centroid of each face; the solid's volume
        // and centroid from the divergence theorem over a fan of each face.
        const auto& faces = facts.faces->faces;
        std::vector<Vec> normals, centres;
        double volume = 0.0, size = 0.0;
        Vec moment;
        for (const Face& face : faces) {
            Vec normal, centre;
            for (size_t i = 0; i < face.size(); ++i) {
                const Vec a = vertex(face[i]);
                const Vec b = vertex(face[(i + 1) % face.size()]);
                normal = normal + Vec{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
                centre = centre + a;
                size = std::max(size, Length(a));
            }
            normals.push_back(normal * 0.5);
            centres.push_back(centre * (1.0 / static_cast<double>(face.size())));
            const Vec origin = vertex(face[0]);
            for (size_t i = 1; i + 1 < face.size(); ++i) {
                const Vec a = origin, b = vertex(face[i]), d = vertex(face[i + 1]);
                const double v = Dot(a, Vec{b.y * d.z - b.z * d.y, b.z * d.x - b.x * d.z, b.x * d.y - b.y * d.x}) / 6.0;
                volume += v;
                moment = moment + (a + b + d) * (v / 4.0);
            }
        }
        if (!(volume > 0.0))
            return CheckResult::Fail(fmt::format("the enclosed volume is {} mm^3, expected positive: the faces run "
                                                 "clockwise seen from outside",
                                                 volume));
        const Vec centroid = moment * (1.0 / volume);
        const double tolerance = 1e-9 * size * size * size;
        for (size_t f = 0; f < faces.size(); ++f) {
            if (Length(normals[f]) <= 1e-12 * size * size) continue;  // no area, no direction to judge
            const double outward = Dot(normals[f], centres[f] - centroid);
            if (outward < -tolerance)
                return CheckResult::Fail(fmt::format("face {} ({} corners) faces inwards: its right-hand normal points "
                                                     "towards the solid's centroid",
                                                     f, faces[f].size()));
        }
        return CheckResult::Pass();
    });
}

constexpr std::array kChecks{
    ConformanceCheck{"face-table", "the face table reads by the loop rule, ends with 0xFFFF and uses every vertex",
                     FaceTableLoopRule},
    ConformanceCheck{"face-edges-paired", "every edge is shared by exactly two faces running it in opposite directions",
                     FaceEdgesPaired},
    ConformanceCheck{"faces-outward", "with the default parameters every face's right-hand normal points outward",
                     FacesOutward},
};

}  // namespace

std::span<const ConformanceCheck> FaceTableChecks() { return kChecks; }

}  // namespace cutting::host::conform
