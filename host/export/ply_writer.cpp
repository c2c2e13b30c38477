#include "export_error.hpp"
#include "little_endian.hpp"
#include "mesh_writers.hpp"

#include <fmt/format.h>

#include <iterator>

namespace cutting::host::exporter {

namespace {

std::string Header(const solid::Solid& solid, std::string_view name, PlyEncoding encoding) {
    std::string out;
    auto it = std::back_inserter(out);
    fmt::format_to(it, "ply\nformat {} 1.0\n",
                   encoding == PlyEncoding::Ascii ? "ascii" : "binary_little_endian");
    fmt::format_to(it, "comment {}, units: millimetres, z up\n", name);
    fmt::format_to(it, "element vertex {}\n", solid.vertices.size());
    out += "property double x\nproperty double y\nproperty double z\n";
    fmt::format_to(it, "element face {}\n", solid.faces.size());
    out += "property list uchar int vertex_indices\nend_header\n";
    return out;
}

}  // namespace

std::string WritePly(const solid::Solid& solid, std::string_view name, PlyEncoding encoding) {
    for (const solid::Face& face : solid.faces) {
        if (face.loop.size() > 255) {
            throw ExportError(fmt::format("a face of {} corners does not fit a PLY face list",
                                          face.loop.size()));
        }
    }
    std::string out = Header(solid, name, encoding);
    auto it = std::back_inserter(out);
    if (encoding == PlyEncoding::Ascii) {
        for (const solid::Vec3& v : solid.vertices) fmt::format_to(it, "{} {} {}\n", v.x, v.y, v.z);
        for (const solid::Face& face : solid.faces) {
            fmt::format_to(it, "{}", face.loop.size());
            for (std::uint32_t index : face.loop) fmt::format_to(it, " {}", index);
            out += '\n';
        }
        return out;
    }
    for (const solid::Vec3& v : solid.vertices) {
        AppendDouble(out, v.x);
        AppendDouble(out, v.y);
        AppendDouble(out, v.z);
    }
    for (const solid::Face& face : solid.faces) {
        out.push_back(static_cast<char>(face.loop.size()));
        for (std::uint32_t index : face.loop) AppendLittleEndian(out, index);
    }
    return out;
}

}  // namespace cutting::host::exporter
