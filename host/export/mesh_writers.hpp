// Polygon-mesh files of a solid, in millimetres with z up unless the format
// itself says otherwise. Each writer returns the whole file, so nothing
// reaches the disk until it is complete.
#pragma once

#include "solid/solid.hpp"

#include <string>
#include <string_view>

namespace cutting::host::exporter {

// Wavefront OBJ: the faces as the plug-in gives them, 1-based indices.
std::string WriteObj(const solid::Solid& solid, std::string_view name);

// Binary STL: fan triangles with their face's outward normal; the 80-byte
// header names the stone and says millimetres.
std::string WriteStl(const solid::Solid& solid, std::string_view name);

enum class PlyEncoding { Ascii, BinaryLittleEndian };

// PLY: double-precision vertices, polygon faces.
std::string WritePly(const solid::Solid& solid, std::string_view name, PlyEncoding encoding);

// glTF 2.0 binary (.glb), flat-shaded: every face has its own vertices
// carrying the face normal. In glTF's conventions: metres, +Y up.
std::string WriteGlb(const solid::Solid& solid, std::string_view name);

}  // namespace cutting::host::exporter
