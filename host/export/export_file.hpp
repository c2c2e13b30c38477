// Choosing the file format by the output's extension and writing the file so
// that a failure leaves nothing behind.
#pragma once

#include "solid/solid.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cutting::host::exporter {

enum class Format { Obj, Stl, Ply, Glb, Svg };

// The format an extension stands for (case-insensitive), nullopt for others.
std::optional<Format> FormatForPath(const std::filesystem::path& path);

// ".obj, .stl, .ply, .glb, .svg" for messages.
std::string KnownExtensions();

struct ExportOptions {
    std::string name;                  // the stone's name, written into the file
    bool binaryPly = false;            // binary little-endian PLY instead of ASCII
    std::vector<std::string> notes;    // lines under the drawing's title (.svg)
};

// The whole file's content. Throws ExportError when the solid cannot be
// written in `format`.
std::string RenderFile(Format format, const solid::Solid& solid, const ExportOptions& options);

// Writes `content` to a temporary file beside `path` and renames it into
// place. Throws ExportError, leaving no file, when that fails.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace cutting::host::exporter
