// The box's known findings.
#include "known_findings.hpp"

#include "box_cutting.hpp"

#include <cmath>

namespace fuzz {

const char* KnownImproperStone(const uint8_t*, const double* xyz) {
    // No bound on the size of any field: a ratio or girdle near the largest
    // double makes the half-extent ratio × diameter / 2 or girdle × diameter
    // / 2 overflow to infinity, one near the smallest makes it vanish.
    for (int i = 0; i < 3 * box::kVertexCount; ++i)
        if (!std::isfinite(xyz[i]) || xyz[i] == 0.0) return "an extent overflows or vanishes";
    return nullptr;
}

}  // namespace fuzz
