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

namespace {

// The exponent and the angle step of one outline, worked out once for all its samples.
struct OutlineSampler {
    OutlineSampler(int count, double start, double bx, double cy, double e)
        : start_(start), bx_(bx), cy_(cy), g_(2.0 / (1.0 - e)), step_(kFullTurn / count) {}

    Vec2 operator()(int i) const {
        const double t = start_ + i * step_;
        const double cosT = std::cos(t);
        const double sinT = std::sin(t);
        const double rho = SuperellipseNorm(cosT, sinT, g_);
        return Vec2{bx_ * cosT / rho, cy_ * sinT / rho};
    }

    double start_, bx_, cy_, g_, step_;
};

}  // namespace

Vec2 OutlineSample(int i, int count, double start, double bx, double cy, double e) {
    return OutlineSampler(count, start, bx, cy, e)(i);
}

int SuperellipseOutline(int count, double start, double bx, double cy, double e, Vec2* out) {
    if (!SquarenessInRange(e) || out == nullptr) return 0;
    const OutlineSampler sample(count, start, bx, cy, e);
    for (int i = 0; i < count; ++i) out[i] = sample(i);
    return 1;
}

}  // namespace oval
