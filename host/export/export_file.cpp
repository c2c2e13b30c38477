#include "export_file.hpp"

#include "export_error.hpp"
#include "mesh_writers.hpp"
#include "svg_drawing.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <system_error>
#include <utility>

namespace cutting::host::exporter {

namespace {

constexpr std::array<std::pair<std::string_view, Format>, 5> kExtensions{{
    {".obj", Format::Obj},
    {".stl", Format::Stl},
    {".ply", Format::Ply},
    {".glb", Format::Glb},
    {".svg", Format::Svg},
}};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<Format> FormatForPath(const std::filesystem::path& path) {
    const std::string extension = Lower(path.extension().string());
    for (const auto& [text, format] : kExtensions) {
        if (extension == text) return format;
    }
    return std::nullopt;
}

std::string KnownExtensions() {
    std::string list;
    for (const auto& entry : kExtensions) {
        if (!list.empty()) list += ", ";
        list += entry.first;
    }
    return list;
}

std::string RenderFile(Format format, const solid::Solid& solid, const ExportOptions& options) {
    switch (format) {
        case Format::Obj: return WriteObj(solid, options.name);
        case Format::Stl: return WriteStl(solid, options.name);
        case Format::Ply:
            return WritePly(solid, options.name,
                            options.binaryPly ? PlyEncoding::BinaryLittleEndian : PlyEncoding::Ascii);
        case Format::Glb: return WriteGlb(solid, options.name);
        case Format::Svg: return DrawSvg(solid, {options.name, options.notes});
    }
    throw ExportError("unknown export format");
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::path temporary = path;
    temporary += ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw ExportError("cannot write " + path.string());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        // Some platforms refuse to rename over an existing file.
        std::filesystem::remove(path, error);
        std::filesystem::rename(temporary, path, error);
    }
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw ExportError("cannot write " + path.string() + ": " + error.message());
    }
}

}  // namespace cutting::host::exporter
