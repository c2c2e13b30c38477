// Decoding fuzz bytes into the values a host may hand a plug-in: doubles
// (special values, plausible values, raw bits), parameter and cutting
// identifiers, small counts.
#pragma once

#include "byte_reader.hpp"

#include <cstdint>

namespace fuzz {

// A double: one of the special values (zeros, NaNs, infinities, subnormals,
// the extremes, the thresholds the plug-ins compare with), a plausible value
// near `near` or in [-1, 2], or eight raw bytes.
double ReadValue(ByteReader& in, double near);

// A parameter identifier: mostly one that some plug-in serves or that lies
// next to one, sometimes four raw bytes.
int32_t ReadParameterId(ByteReader& in);

// A cutting identifier: mostly 1, the one both plug-ins offer.
int32_t ReadCutting(ByteReader& in);

// A count or capacity: mostly small, sometimes zero, negative or extreme.
int32_t ReadCount(ByteReader& in, int32_t usualMax);

}  // namespace fuzz
