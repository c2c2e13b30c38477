#include "landmarks.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cutting::host::solid {

namespace {

double Along(Axis axis, Vec3 v) { return axis == Axis::X ? v.x : v.y; }

bool TouchesBoundsSide(const Bounds& b, Vec3 v, double tol) {
    return v.x <= b.min.x + tol || v.x >= b.max.x - tol || v.y <= b.min.y + tol ||
           v.y >= b.max.y - tol;
}

int TopmostHorizontalFace(const Solid& s, double tol) {
    int best = kNoFace;
    for (std::size_t f = 0; f < s.faces.size(); ++f) {
        const Face& face = s.faces[f];
        // Horizontal: every vertex at the centroid's height.
        const bool flat = face.normal.z > 0.0 &&
                          std::all_of(face.loop.begin(), face.loop.end(), [&](std::uint32_t i) {
                              return std::fabs(s.vertices[i].z - face.centroid.z) <= tol;
                          });
        if (flat && (best == kNoFace || face.centroid.z > s.faces[best].centroid.z)) {
            best = static_cast<int>(f);
        }
    }
    return best;
}

bool HasVertexAtHeight(const Solid& s, const Face& face, double z, double tol) {
    return std::any_of(face.loop.begin(), face.loop.end(),
                       [&](std::uint32_t i) { return std::fabs(s.vertices[i].z - z) <= tol; });
}

bool SharesVertex(const Face& a, const Face& b) {
    return std::any_of(a.loop.begin(), a.loop.end(), [&](std::uint32_t i) {
        return std::find(b.loop.begin(), b.loop.end(), i) != b.loop.end();
    });
}

// How squarely a face looks towards +axis in plan: the cosine of the angle
// between its horizontal normal and the axis.
double Facing(Axis axis, Vec3 normal) {
    const double horizontal = std::hypot(normal.x, normal.y);
    return horizontal > 0.0 ? Along(axis, normal) / horizontal : -2.0;
}

template <typename Pred>
int MostFacing(const Solid& s, Axis axis, Pred isCandidate) {
    int best = kNoFace;
    double bestFacing = -std::numeric_limits<double>::infinity();
    for (std::size_t f = 0; f < s.faces.size(); ++f) {
        if (!isCandidate(s.faces[f])) continue;
        const double facing = Facing(axis, s.faces[f].normal);
        // Mirror-image faces face +axis equally; the first one stays.
        if (facing > bestFacing + 1e-12) {
            best = static_cast<int>(f);
            bestFacing = facing;
        }
    }
    return best;
}

}  // namespace

double AngleToGirdlePlane(Vec3 normal) {
    return std::atan2(std::hypot(normal.x, normal.y), std::fabs(normal.z));
}

Landmarks FindLandmarks(const Solid& s) {
    Landmarks m;
    if (s.vertices.empty()) return m;
    const double tol = LengthTolerance(s);
    const Vec3 size = s.bounds.Size();
    if (size.x < size.y) {
        m.lengthAxis = Axis::Y;
        m.widthAxis = Axis::X;
    }

    m.girdleTop = -std::numeric_limits<double>::infinity();
    m.girdleBottom = std::numeric_limits<double>::infinity();
    for (const Vec3& v : s.vertices) {
        if (!TouchesBoundsSide(s.bounds, v, tol)) continue;
        m.girdleTop = std::max(m.girdleTop, v.z);
        m.girdleBottom = std::min(m.girdleBottom, v.z);
    }

    // Main facets slope: a crown or pavilion flush with the girdle has none.
    m.table = TopmostHorizontalFace(s, tol);
    if (m.table != kNoFace && s.faces[m.table].centroid.z - m.girdleTop > tol) {
        const Face& table = s.faces[m.table];
        m.crownMain = MostFacing(s, m.widthAxis, [&](const Face& face) {
            return &face != &table && face.normal.z > kRelativeTolerance &&
                   SharesVertex(face, table) && HasVertexAtHeight(s, face, m.girdleTop, tol);
        });
    }
    const double lowest = s.bounds.min.z;
    if (m.girdleBottom - lowest > tol) {
        m.pavilionMain = MostFacing(s, m.widthAxis, [&](const Face& face) {
            return face.normal.z < -kRelativeTolerance && HasVertexAtHeight(s, face, lowest, tol) &&
                   HasVertexAtHeight(s, face, m.girdleBottom, tol);
        });
    }
    return m;
}

}  // namespace cutting::host::solid
