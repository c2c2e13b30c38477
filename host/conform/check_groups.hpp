// The groups of conformance checks, one source file each.
#pragma once

#include "conform/conformance_check.hpp"

#include <span>

namespace cutting::host::conform {

std::span<const ConformanceCheck> CuttingIdChecks();       // cutting list, unknown cutting identifiers
std::span<const ConformanceCheck> InfoRequestChecks();     // requests 256, 259, 260 and unknown ones
std::span<const ConformanceCheck> ParameterLoopChecks();   // multi-identifier GetParameter / SetParameter
std::span<const ConformanceCheck> FaceTableChecks();       // loop rule, edges, orientation
std::span<const ConformanceCheck> StoneChecks();           // init, read, judge, vertices, guard zones
std::span<const ConformanceCheck> RandomEditChecks();      // seeded random edits

}  // namespace cutting::host::conform
