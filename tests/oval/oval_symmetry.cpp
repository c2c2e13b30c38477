#include "oval_symmetry.hpp"

#include "oval_description.hpp"

#include <algorithm>
#include <cmath>

namespace oval_test {
namespace {

using namespace oval;

// Partner under a mirror that maps girdle sample j to (girdleSum - j) and
// table corner i to (cornerSum - i); star point i lies between corners i and
// i + 1, so it maps to (cornerSum - 1 - i).
int Mirror(int v, int girdleSum, int cornerSum) {
    auto mod = [](int a, int n) { return ((a % n) + n) % n; };
    if (v < kStarPoint) return kTableCorner + mod(cornerSum - v, 8);
    if (v < kUpperGirdle) return kStarPoint + mod(cornerSum - 1 - (v - kStarPoint), 8);
    if (v < kLowerGirdle) return kUpperGirdle + mod(girdleSum - (v - kUpperGirdle), 64);
    if (v < kPavilionPoint) return kLowerGirdle + mod(girdleSum - (v - kLowerGirdle), 64);
    if (v < kCulet) return kPavilionPoint + mod(cornerSum - (v - kPavilionPoint), 8);
    return kCulet;
}

}  // namespace

int MirrorInX(int v) { return Mirror(v, 64, 8); }
int MirrorInY(int v) { return Mirror(v, 32, 4); }

double MirrorErrorX(std::span<const Vec3> vertices) {
    double worst = 0.0;
    for (int v = 0; v < kVertexCount; ++v) {
        const Vec3& a = vertices[static_cast<std::size_t>(v)];
        const Vec3& b = vertices[static_cast<std::size_t>(MirrorInX(v))];
        worst = std::max({worst, std::fabs(a.x + b.x), std::fabs(a.y - b.y), std::fabs(a.z - b.z)});
    }
    return worst;
}

double MirrorErrorY(std::span<const Vec3> vertices) {
    double worst = 0.0;
    for (int v = 0; v < kVertexCount; ++v) {
        const Vec3& a = vertices[static_cast<std::size_t>(v)];
        const Vec3& b = vertices[static_cast<std::size_t>(MirrorInY(v))];
        worst = std::max({worst, std::fabs(a.x - b.x), std::fabs(a.y + b.y), std::fabs(a.z - b.z)});
    }
    return worst;
}

}  // namespace oval_test
