#include "little_endian.hpp"
#include "mesh_writers.hpp"
#include "solid/face_geometry.hpp"

#include <algorithm>

namespace cutting::host::exporter {

namespace {

constexpr std::size_t kHeaderSize = 80;

void AppendVector(std::string& out, solid::Vec3 v) {
    AppendFloat(out, static_cast<float>(v.x));
    AppendFloat(out, static_cast<float>(v.y));
    AppendFloat(out, static_cast<float>(v.z));
}

// Must not begin with "solid": readers take such files for ASCII STL.
std::string Header(std::string_view name) {
    std::string header = "Binary STL, units: millimetres. ";
    header += name;
    header.resize(kHeaderSize, ' ');
    return header;
}

}  // namespace

std::string WriteStl(const solid::Solid& solid, std::string_view name) {
    std::uint32_t triangleCount = 0;
    for (const solid::Face& face : solid.faces) {
        triangleCount += static_cast<std::uint32_t>(face.loop.size() - 2);
    }

    std::string out = Header(name);
    out.reserve(kHeaderSize + 4 + std::size_t{triangleCount} * 50);
    AppendLittleEndian(out, triangleCount);
    for (const solid::Face& face : solid.faces) {
        for (const auto& triangle : solid::FanTriangles(face.loop)) {
            AppendVector(out, face.normal);
            for (std::uint32_t index : triangle) AppendVector(out, solid.vertices[index]);
            AppendLittleEndian(out, std::uint16_t{0});  // attribute byte count
        }
    }
    return out;
}

}  // namespace cutting::host::exporter
