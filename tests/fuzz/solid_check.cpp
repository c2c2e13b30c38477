#include "solid_check.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace fuzz {
namespace {

constexpr uint16_t kTerminator = 0xFFFF;

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator*(double s, V3 a) { return {s * a.x, s * a.y, s * a.z}; }
double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Norm(V3 a) { return std::sqrt(Dot(a, a)); }

std::string FaceDefect(const char* what, size_t face, double measure) {
    return std::string(what) + " (face " + std::to_string(face) + ", measure " + std::to_string(measure) + ")";
}

}  // namespace

std::string ParseFaceTable(const uint16_t* table, size_t maxEntries, FaceLoops& out) {
    out = FaceLoops{};
    size_t i = 0;
    while (true) {
        if (i >= maxEntries) return "face table without terminator";
        if (table[i] == kTerminator) break;
        const uint16_t first = table[i];
        const size_t start = out.indices.size();
        out.starts.push_back(start);
        out.indices.push_back(first);
        ++i;
        while (true) {
            if (i >= maxEntries || table[i] == kTerminator) return "face loop left open";
            if (table[i] == first) break;
            const auto begin = out.indices.begin() + static_cast<std::ptrdiff_t>(start);
            if (std::find(begin, out.indices.end(), table[i]) != out.indices.end())
                return "vertex repeated inside a face loop";
            out.indices.push_back(table[i]);
            ++i;
        }
        ++i;  // the closing repetition
        if (out.indices.size() - start < 3) return "face of fewer than three vertices";
    }
    out.starts.push_back(out.indices.size());
    if (out.indices.empty()) return "empty face table";
    out.vertexCount = *std::max_element(out.indices.begin(), out.indices.end()) + 1u;
    std::vector<bool> used(out.vertexCount, false);
    for (uint32_t v : out.indices) used[v] = true;
    if (std::find(used.begin(), used.end(), false) != used.end()) return "a vertex number is never used";
    return {};
}

std::string ClosedSurfaceDefect(const FaceLoops& faces) {
    std::map<std::pair<uint32_t, uint32_t>, int> directed;
    for (size_t f = 0; f < faces.FaceCount(); ++f) {
        const size_t n = faces.starts[f + 1] - faces.starts[f];
        for (size_t k = 0; k < n; ++k) {
            const uint32_t a = faces.indices[faces.starts[f] + k];
            const uint32_t b = faces.indices[faces.starts[f] + (k + 1) % n];
            if (++directed[{a, b}] > 1) return FaceDefect("edge run twice in one direction", f, 0.0);
        }
    }
    for (const auto& [edge, count] : directed)
        if (!directed.contains({edge.second, edge.first}))
            return "edge " + std::to_string(edge.first) + "-" + std::to_string(edge.second) + " has no partner";
    return {};
}

std::string SolidDefect(const FaceLoops& faces, const double* xyz) {
    const size_t n = faces.vertexCount;
    for (size_t i = 0; i < 3 * n; ++i)
        if (!std::isfinite(xyz[i])) return "vertex " + std::to_string(i / 3) + " is not finite";

    // Centre on the bounding box and divide each axis by its own half-extent:
    // the coordinates land in [-1, 1] whatever the diameter and the stone's
    // proportions (halving first keeps the differences of huge coordinates
    // finite). Scaling the axes maps planes to planes and keeps every
    // orientation, so flatness, winding and the sign of the volume are
    // judged the same.
    V3 lo{xyz[0], xyz[1], xyz[2]}, hi = lo;
    for (size_t i = 1; i < n; ++i) {
        lo = {std::min(lo.x, xyz[3 * i]), std::min(lo.y, xyz[3 * i + 1]), std::min(lo.z, xyz[3 * i + 2])};
        hi = {std::max(hi.x, xyz[3 * i]), std::max(hi.y, xyz[3 * i + 1]), std::max(hi.z, xyz[3 * i + 2])};
    }
    const V3 centre = 0.5 * lo + 0.5 * hi;
    // Half of each extent: of the difference where it is finite (halving a
    // subnormal bound first could round it to zero), else of the halves.
    const auto Half = [](double low, double high) {
        const double extent = high - low;
        return std::isfinite(extent) ? 0.5 * extent : 0.5 * high - 0.5 * low;
    };
    const V3 half{Half(lo.x, hi.x), Half(lo.y, hi.y), Half(lo.z, hi.z)};
    if (!(half.x > 0.0 && half.y > 0.0 && half.z > 0.0)) return "the stone is flat: no extent along some axis";
    std::vector<V3> p(n);
    for (size_t i = 0; i < n; ++i) {
        const V3 d = V3{xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]} - centre;
        p[i] = {d.x / half.x, d.y / half.y, d.z / half.z};
    }
    const double extent = 2.0;  // every axis's extent in these units

    // Volume and centroid from the fan tetrahedra against the origin.
    double volume6 = 0.0;
    V3 moment{};
    for (size_t f = 0; f < faces.FaceCount(); ++f) {
        const uint32_t* loop = &faces.indices[faces.starts[f]];
        const size_t m = faces.starts[f + 1] - faces.starts[f];
        for (size_t k = 1; k + 1 < m; ++k) {
            const V3 a = p[loop[0]], b = p[loop[k]], c = p[loop[k + 1]];
            const double v6 = Dot(a, Cross(b, c));
            volume6 += v6;
            moment = moment + (v6 / 4.0) * (a + b + c);
        }
    }
    if (!(volume6 > 0.0)) return "enclosed volume is not positive (" + std::to_string(volume6 / 6.0) + ")";
    const V3 centroid = (1.0 / volume6) * moment;
    if (!std::isfinite(centroid.x) || !std::isfinite(centroid.y) || !std::isfinite(centroid.z))
        return "enclosed volume too small to place a centroid";

    for (size_t f = 0; f < faces.FaceCount(); ++f) {
        const uint32_t* loop = &faces.indices[faces.starts[f]];
        const size_t m = faces.starts[f + 1] - faces.starts[f];
        V3 newell{}, mean{};
        for (size_t k = 0; k < m; ++k) {
            const V3 a = p[loop[k]], b = p[loop[(k + 1) % m]];
            newell = newell + V3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
            mean = mean + a;
        }
        mean = (1.0 / static_cast<double>(m)) * mean;
        const double area = 0.5 * Norm(newell);
        if (area <= kDegenerateArea * extent * extent) continue;
        const V3 normal = (1.0 / Norm(newell)) * newell;
        double warp = 0.0;
        for (size_t k = 0; k < m; ++k) warp = std::max(warp, std::fabs(Dot(normal, p[loop[k]] - mean)));
        if (warp > kPlanarTolerance * extent) return FaceDefect("face is not planar", f, warp / extent);
        const double facing = Dot(normal, mean - centroid);
        if (!(facing > 0.0)) return FaceDefect("face does not point away from the centroid", f, facing / extent);
    }
    return {};
}

}  // namespace fuzz
