#include "mesh_writers.hpp"

#include <fmt/format.h>

#include <iterator>

namespace cutting::host::exporter {

std::string WriteObj(const solid::Solid& solid, std::string_view name) {
    std::string out;
    auto it = std::back_inserter(out);
    fmt::format_to(it, "# {}: {} vertices, {} faces\n", name, solid.vertices.size(), solid.faces.size());
    fmt::format_to(it, "# units: millimetres, z up\n");
    fmt::format_to(it, "o {}\n", name.empty() ? std::string_view("stone") : name);
    for (const solid::Vec3& v : solid.vertices) fmt::format_to(it, "v {} {} {}\n", v.x, v.y, v.z);
    for (const solid::Face& face : solid.faces) {
        out += 'f';
        for (std::uint32_t index : face.loop) fmt::format_to(it, " {}", index + 1);
        out += '\n';
    }
    return out;
}

}  // namespace cutting::host::exporter
