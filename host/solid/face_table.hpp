// Reading a plug-in's face table into index loops.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace cutting::host::solid {

using FaceLoop = std::vector<std::uint32_t>;

// Marks the end of a face table.
inline constexpr std::uint16_t kFaceTableEnd = 0xFFFF;

// Raised for a face table or vertex list that cannot describe a solid; the
// message says what is wrong and where.
class SolidError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits a face table into its loops. Each face is its vertex indices followed
// by its first index once more; kFaceTableEnd follows the last face. `table`
// may extend past the terminator; reading stops there. Throws SolidError for a
// table without terminator, a loop left open, an index repeated inside a loop
// or a face of fewer than three vertices.
std::vector<FaceLoop> ParseFaceTable(std::span<const std::uint16_t> table);

// One more than the largest index in `faces`: the number of vertices they use.
std::size_t VertexCountOf(const std::vector<FaceLoop>& faces);

}  // namespace cutting::host::solid
