// vertices PLUGIN [--set KEY=VALUE]...: the vertex coordinates the plug-in
// computes, in millimetres.
#include "commands.hpp"
#include "core/errors.hpp"
#include "cutting_summary.hpp"
#include "stone_options.hpp"
#include "text_table.hpp"

#include <cstdio>
#include <fmt/format.h>
#include <memory>

namespace cutting::host::cli {

namespace {
struct VerticesOptions {
    StoneOptions stone;
    bool force = false;
};
}  // namespace

void AddVerticesCommand(CLI::App& app) {
    auto options = std::make_shared<VerticesOptions>();
    CLI::App* command = app.add_subcommand("vertices", "Print the vertices of the stone, in mm");
    AddStoneOptions(*command, options->stone);
    command->add_flag("--force", options->force, "print them even when the plug-in rejects the parameter set");
    command->callback([options] {
        Stone stone = OpenStone(options->stone);
        if (!stone.IsCorrect() && !options->force) {
            std::fprintf(stderr, "cutting-host: the plug-in rejects this parameter set (use --force to print anyway)\n");
            throw Exit{kExitNegative};
        }
        const auto vertices = stone.Vertices();
        if (!vertices) throw LoadError("InitVertex failed");
        fmt::print("{}: {} vertices, mm\n", CuttingHeadline(stone.GetPlugin(), stone.GetCutting()), vertices->size());
        TextTable table({"#", "x", "y", "z"});
        for (size_t i = 0; i < vertices->size(); ++i) {
            const Vertex& v = (*vertices)[i];
            table.AddRow({std::to_string(i), fmt::format("{:.6f}", v.x), fmt::format("{:.6f}", v.y),
                          fmt::format("{:.6f}", v.z)});
        }
        fmt::print("{}", table.Render(2, {0, 1, 2, 3}));
    });
}

namespace {
const bool kRegistered = RegisterCommand(45, AddVerticesCommand);
}

}  // namespace cutting::host::cli
