// Parameter sets that IsCorrect accepts although they give no proper solid:
// findings already reported, each kept as a regression input and documented
// by a test. The fuzz targets do not report them again (every other property
// of those calls is still checked), so a fuzz run stops only at new findings.
// Once IsCorrect refuses such sets, the documenting test fails and the class
// goes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The known class the accepted block (with the vertices InitVertex gave for
// it) falls in, or null. Defined once per plug-in.
const char* KnownImproperStone(const uint8_t* block, const double* xyz);

}  // namespace fuzz
