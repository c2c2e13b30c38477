// sweep PLUGIN --x KEY=FROM:TO:N --y KEY=FROM:TO:N [--set ...] -o FILE:
// where over two parameters the plug-in accepts the stone, as an SVG map or
// a CSV table, optionally shaded by a measure of the accepted stones.
#include "commands.hpp"
#include "core/errors.hpp"
#include "evaluate/material_choice.hpp"
#include "evaluate/sweep_axis.hpp"
#include "evaluate/sweep_run.hpp"
#include "export/export_error.hpp"
#include "export/export_file.hpp"
#include "export/sweep_map.hpp"
#include "stone_options.hpp"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cutting::host::cli {

namespace {

struct SweepOptions {
    StoneOptions stone;
    std::string x, y;
    std::string output;
    std::optional<std::string> shade;
    std::optional<std::string> material;
    std::optional<double> density;
    unsigned threads = 0;
};

enum class MapFormat { Svg, Csv };

MapFormat MapFormatFor(const std::string& output) {
    std::string extension = std::filesystem::path(output).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".svg") return MapFormat::Svg;
    if (extension == ".csv") return MapFormat::Csv;
    throw InputError(fmt::format("cannot tell the format of '{}': use .svg or .csv", output));
}

std::optional<SweepShade> ChooseShade(const std::optional<std::string>& name, double density) {
    if (!name) return std::nullopt;
    if (*name == "carats") {
        return SweepShade{"carats", "ct", [](const solid::Proportions& p) { return p.carats; }, density};
    }
    if (*name == "depth-pct") {
        return SweepShade{"total depth", "% of width", [](const solid::Proportions& p) { return p.totalDepthPct; },
                          density};
    }
    throw InputError(fmt::format("unknown --shade '{}': use carats or depth-pct", *name));
}

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void DrawProgressBar(std::size_t done, std::size_t total) {
    constexpr int kWidth = 32;
    const double fraction = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const int filled = static_cast<int>(fraction * kWidth);
    fmt::print(stderr, "\r[{}{}] {:3.0f}%  {}/{}", std::string(static_cast<std::size_t>(filled), '#'),
               std::string(static_cast<std::size_t>(kWidth - filled), '.'), 100.0 * fraction, done, total);
    if (done == total) fmt::print(stderr, "\n");
    std::fflush(stderr);
}

void RunSweepCommand(const SweepOptions& options) {
    // Everything the user typed is checked before the plug-in is asked anything.
    const MapFormat format = MapFormatFor(options.output);
    const MaterialChoice material = ChooseMaterial(options.material, options.density);
    const std::optional<SweepShade> shade = ChooseShade(options.shade, material.density);
    const Stone base = OpenStone(options.stone);
    const SweepAxis x = ParseSweepAxis(base.GetCutting(), options.x);
    const SweepAxis y = ParseSweepAxis(base.GetCutting(), options.y);
    if (x.parameter.id == y.parameter.id) {
        throw InputError(fmt::format("--x and --y both sweep '{}'", x.parameter.name));
    }

    const unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    const bool showProgress = StderrIsTerminal();
    const exporter::SweepMap map =
        RunSweep(base, x, y, shade, threads, showProgress ? SweepProgress(DrawProgressBar) : SweepProgress());

    const std::string content = format == MapFormat::Svg ? exporter::DrawSweepSvg(map) : exporter::WriteSweepCsv(map);
    try {
        exporter::WriteFileAtomically(options.output, content);
    } catch (const exporter::ExportError& error) {
        throw InputError(error.what());
    }
    const auto accepted = std::count(map.cells.begin(), map.cells.end(), exporter::CellState::Accepted);
    fmt::print("{}: {} of {} parameter sets accepted; wrote {}\n", map.title, accepted, map.cells.size(),
               options.output);
}

}  // namespace

void AddSweepCommand(CLI::App& app) {
    auto options = std::make_shared<SweepOptions>();
    CLI::App* command = app.add_subcommand(
        "sweep", "Map where the plug-in accepts the stone over two parameters, to an .svg chart or a .csv table");
    AddStoneOptions(*command, options->stone);
    command->add_option("--x", options->x, "KEY=FROM:TO:N, the horizontal axis: N values from FROM to TO")
        ->required();
    command->add_option("--y", options->y, "KEY=FROM:TO:N, the vertical axis")->required();
    command->add_option("-o,--output", options->output, "the .svg or .csv file to write")->required();
    command->add_option("--shade", options->shade, "shade accepted sets by a measure: carats or depth-pct");
    CLI::Option* materialOption =
        command->add_option("--material", options->material, "gem material for --shade carats (default diamond)");
    command->add_option("--density", options->density, "density in g/cm3 for --shade carats, instead of --material")
        ->excludes(materialOption);
    command->add_option("--threads", options->threads, "worker threads (default: one per core)")
        ->check(CLI::Range(1u, 1024u));
    command->callback([options] { RunSweepCommand(*options); });
}

namespace {
const bool kRegistered = RegisterCommand(70, AddSweepCommand);
}

}  // namespace cutting::host::cli
