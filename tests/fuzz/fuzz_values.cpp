#include "fuzz_values.hpp"

#include <cmath>
#include <iterator>
#include <limits>

namespace fuzz {
namespace {

using Limits = std::numeric_limits<double>;

const double kSpecialValues[] = {
    0.0, -0.0, 1.0, -1.0, 0.5, 2.0,
    Limits::quiet_NaN(), -Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(),
    Limits::min(), -Limits::min(), Limits::denorm_min(), -Limits::denorm_min(), 4.9406564584124654e-322,
    Limits::max(), -Limits::max(), 1e308, 1e300, 1e-300, 1e9, 1e-9,
    1e-6, 1e-7, 0.001, 0.0011, 0.01, 0.0099, 0.995, 0.9949999999999999, -0.5, -0.38,
    1.5707963267948966, 1.5707963267948968, 0.052359877559819995, 0.0523, 0.6981317007976,
    1000.0, 2000.0, 999.9999999999999, 0.4999, 1.2071067811865475};

// Identifiers some plug-in serves, and their neighbours.
const int32_t kParameterIds[] = {
    1,    4,    7,    10,   19,   37,   38,   43,   48,   56,   57,
    4106, 4107, 4108, 4109, 4110, 4111, 4136, 4137, 4138,
    0,    -1,   2,    3,    999,  4096, 4105, 4112, 4135, 4139,
    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()};

const int32_t kOddCuttings[] = {0, 2, -1, 256, std::numeric_limits<int32_t>::max(),
                                std::numeric_limits<int32_t>::min()};

}  // namespace

double ReadValue(ByteReader& in, double near) {
    const uint8_t tag = in.Byte();
    if (tag < 64) return kSpecialValues[tag % std::size(kSpecialValues)];
    if (tag < 128) {
        const double u = in.Raw<uint16_t>() / 65535.0;
        // Within 30 % of a finite `near`, or anywhere in [-1, 2].
        if (tag < 96 && std::isfinite(near)) return near * (0.7 + 0.6 * u) + (u - 0.5) * 1e-3;
        return -1.0 + 3.0 * u;
    }
    return in.Raw<double>();
}

int32_t ReadParameterId(ByteReader& in) {
    const uint8_t tag = in.Byte();
    if (tag < 224) return kParameterIds[tag % std::size(kParameterIds)];
    return in.Raw<int32_t>();
}

int32_t ReadCutting(ByteReader& in) {
    const uint8_t tag = in.Byte();
    if (tag < 224) return 1;
    if (tag < 248) return kOddCuttings[tag % std::size(kOddCuttings)];
    return in.Raw<int32_t>();
}

int32_t ReadCount(ByteReader& in, int32_t usualMax) {
    const uint8_t tag = in.Byte();
    if (tag < 224) return tag % (usualMax + 1);
    if (tag < 240) return -static_cast<int32_t>(tag % 4) - 1;
    if (tag < 248) return tag % 2 == 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
    return in.Raw<int32_t>();
}

}  // namespace fuzz
