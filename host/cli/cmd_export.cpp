// export PLUGIN [--set KEY=VALUE]... -o FILE: the stone as a mesh file or a
// drawing, in the format its extension names; millimetres throughout.
#include "commands.hpp"
#include "core/errors.hpp"
#include "evaluate/material_choice.hpp"
#include "evaluate/stone_solid.hpp"
#include "export/export_error.hpp"
#include "export/export_file.hpp"
#include "solid/proportions.hpp"
#include "stone_options.hpp"

#include <fmt/format.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace cutting::host::cli {

namespace {

struct ExportCommandOptions {
    StoneOptions stone;
    std::string output;
    bool force = false;
    bool binary = false;
};

const char* FormatName(exporter::Format format) {
    switch (format) {
        case exporter::Format::Obj: return "Wavefront OBJ";
        case exporter::Format::Stl: return "binary STL";
        case exporter::Format::Ply: return "PLY";
        case exporter::Format::Glb: return "glTF binary";
        case exporter::Format::Svg: return "SVG drawing";
    }
    return "";
}

// The lines under the drawing's title: size, weight and proportions.
std::vector<std::string> DrawingNotes(const solid::Solid& solid) {
    const MaterialChoice diamond = ChooseMaterial(std::nullopt, std::nullopt);
    const solid::Proportions p = solid::MeasureProportions(solid, diamond.density);
    std::vector<std::string> notes{
        fmt::format("{:.2f} \u00d7 {:.2f} \u00d7 {:.2f} mm  \u00b7  {:.2f} ct in {}", p.lengthMm, p.widthMm,
                    p.depthMm, p.carats, diamond.name)};
    std::string proportions = fmt::format("depth {:.1f} %", p.totalDepthPct);
    if (p.tablePct) proportions += fmt::format("  \u00b7  table {:.1f} %", *p.tablePct);
    if (p.crownAngleDeg) proportions += fmt::format("  \u00b7  crown {:.1f}\u00b0", *p.crownAngleDeg);
    if (p.pavilionAngleDeg) proportions += fmt::format("  \u00b7  pavilion {:.1f}\u00b0", *p.pavilionAngleDeg);
    notes.push_back(proportions);
    return notes;
}

void RunExport(const ExportCommandOptions& options) {
    const std::filesystem::path path(options.output);
    const auto format = exporter::FormatForPath(path);
    if (!format) {
        throw InputError(fmt::format("cannot tell the format of '{}': use one of {}", options.output,
                                     exporter::KnownExtensions()));
    }
    Stone stone = OpenStone(options.stone);
    if (!stone.IsCorrect() && !options.force) {
        fmt::print(stderr, "cutting-host: the plug-in rejects this parameter set; nothing written "
                           "(--force exports it anyway)\n");
        throw Exit{kExitNegative};
    }
    const solid::Solid solid = BuildStoneSolid(stone);
    exporter::ExportOptions exportOptions;
    exportOptions.name = stone.GetCutting().name;
    exportOptions.binaryPly = options.binary;
    if (*format == exporter::Format::Svg) exportOptions.notes = DrawingNotes(solid);
    try {
        exporter::WriteFileAtomically(path, exporter::RenderFile(*format, solid, exportOptions));
    } catch (const exporter::ExportError& error) {
        throw InputError(error.what());
    }
    fmt::print("{}: wrote {} ({}, {} faces, {} vertices)\n", stone.GetCutting().name, path.string(),
               FormatName(*format), solid.faces.size(), solid.vertices.size());
}

}  // namespace

void AddExportCommand(CLI::App& app) {
    auto options = std::make_shared<ExportCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "export", "Write the stone to FILE: .obj, .stl, .ply, .glb (glTF binary) or .svg (drawing), by extension");
    AddStoneOptions(*command, options->stone);
    command->add_option("-o,--output", options->output, "the file to write; its extension picks the format")
        ->required();
    command->add_flag("--force", options->force, "export even a parameter set the plug-in rejects");
    command->add_flag("--binary", options->binary, "binary PLY instead of ASCII");
    command->callback([options] { RunExport(*options); });
}

namespace {
const bool kRegistered = RegisterCommand(60, AddExportCommand);
}

}  // namespace cutting::host::cli
