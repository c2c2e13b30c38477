#include "girdle_outline.hpp"

#include <cmath>

namespace oval {
namespace {

// ln(1e-300): exponents below it are flushed to zero.
constexpr double kLogSmallest = -690.77552789821368151;

double SuperellipseNorm(double cosT, double sinT, double g) {
    return PowSafe(PowSafe(std::fabs(cosT), g) + PowSafe(std::fabs(sinT), g), 1.0 / g);
}

}  // namespace

double PowSafe(double a, double b) {
    if (b == 0.0) return 1.0;
    if (a == 0.0) return 0.0;
    const double y = b * std::log(a);
    if (y < kLogSmallest) return 0.0;
    return std::exp(y);
}

bool SquarenessInRange(double e) { return !(e < kMinSquareness || e >= kMaxSquareness); }

Vec2 OutlineSample(int i, int count, double start, double bx, double cy, double e) {
    const double g = 2.0 / (1.0 - e);
    const double step = kFullTurn / count;
    const double t = start + i * step;
    const double cosT = std::cos(t);
    const double sinT = std::sin(t);
    const double rho = SuperellipseNorm(cosT, sinT, g);
    return Vec2{bx * cosT / rho, cy * sinT / rho};
}

int SuperellipseOutline(int count, double start, double bx, double cy, double e, Vec2* out) {
    if (!SquarenessInRange(e) || out == nullptr) return 0;
    for (int i = 0; i < count; ++i) out[i] = OutlineSample(i, count, start, bx, cy, e);
    return 1;
}

}  // namespace oval
