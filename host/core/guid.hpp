// GUIDs as plug-ins hand them over: 16 bytes in the in-memory layout, whose
// first three groups are little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace cutting::host {

using GuidBytes = std::array<uint8_t, 16>;

// "{74C5E67E-C46B-4DC9-84B3-C891AE6C6D2E}"
std::string FormatGuid(const GuidBytes& bytes);

}  // namespace cutting::host
