// Appending binary numbers to a byte string in little-endian order,
// whatever the machine's own order.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace cutting::host::exporter {

template <typename Unsigned>
void AppendLittleEndian(std::string& out, Unsigned value) {
    for (unsigned i = 0; i < sizeof(Unsigned); ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

inline void AppendFloat(std::string& out, float value) {
    AppendLittleEndian(out, std::bit_cast<std::uint32_t>(value));
}

inline void AppendDouble(std::string& out, double value) {
    AppendLittleEndian(out, std::bit_cast<std::uint64_t>(value));
}

}  // namespace cutting::host::exporter
