// measure PLUGIN [--set KEY=VALUE]... [--material NAME | --density G_PER_CM3]:
// the proportions a grader reports, measured on the solid the plug-in builds.
#include "commands.hpp"
#include "cutting_summary.hpp"
#include "evaluate/material_choice.hpp"
#include "evaluate/stone_solid.hpp"
#include "solid/proportions.hpp"
#include "stone_options.hpp"
#include "text_table.hpp"

#include <fmt/format.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace cutting::host::cli {

namespace {

struct MeasureOptions {
    StoneOptions stone;
    std::optional<std::string> material;
    std::optional<double> density;
    bool force = false;
    bool json = false;
};

std::string Fixed(const std::optional<double>& value, int decimals) {
    return value ? fmt::format("{:.{}f}", *value, decimals) : "-";
}

void PrintMeasures(const Stone& stone, const solid::Proportions& p, const MaterialChoice& material,
                   bool accepted) {
    fmt::print("{}\n", CuttingHeadline(stone.GetPlugin(), stone.GetCutting()));
    if (!accepted) fmt::print("  (the plug-in rejects this parameter set)\n");
    TextTable table({"measure", "value", "unit"});
    const auto row = [&](std::string name, std::string value, std::string unit) {
        table.AddRow({std::move(name), std::move(value), std::move(unit)});
    };
    row("length", Fixed(p.lengthMm, 3), "mm");
    row("width", Fixed(p.widthMm, 3), "mm");
    row("depth", Fixed(p.depthMm, 3), "mm");
    row("length/width", Fixed(p.lengthToWidth, 3), "");
    row("total depth", Fixed(p.totalDepthPct, 2), "% of width");
    row("table", Fixed(p.tablePct, 2), "% of width");
    row("crown height", Fixed(p.crownHeightPct, 2), "% of width");
    row("pavilion depth", Fixed(p.pavilionDepthPct, 2), "% of width");
    row("girdle thickness", Fixed(p.girdleThicknessPct, 2), "% of width");
    row("crown angle", Fixed(p.crownAngleDeg, 2), "deg");
    row("pavilion angle", Fixed(p.pavilionAngleDeg, 2), "deg");
    row("volume", Fixed(p.volumeMm3, 4), "mm^3");
    row("surface area", Fixed(p.surfaceAreaMm2, 4), "mm^2");
    row("weight", Fixed(p.carats, 4), fmt::format("ct ({}, {} g/cm3)", material.name, material.density));
    row("largest non-planarity", fmt::format("{:.2g}", p.maxNonPlanarityMm), "mm");
    row("closed", p.closed ? "yes" : "no", "");
    row("convex", p.convex ? "yes" : "no", "");
    fmt::print("{}", table.Render(2, {1}));
}

nlohmann::json OrNull(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

nlohmann::json MeasuresJson(const Stone& stone, const solid::Proportions& p, const MaterialChoice& material,
                            bool accepted) {
    nlohmann::json json = CuttingIdentityJson(stone.GetPlugin(), stone.GetCutting());
    json["accepted"] = accepted;
    json["measures"] = {
        {"length_mm", p.lengthMm},
        {"width_mm", p.widthMm},
        {"depth_mm", p.depthMm},
        {"length_to_width", p.lengthToWidth},
        {"total_depth_pct", p.totalDepthPct},
        {"table_pct", OrNull(p.tablePct)},
        {"crown_height_pct", p.crownHeightPct},
        {"pavilion_depth_pct", p.pavilionDepthPct},
        {"girdle_thickness_pct", p.girdleThicknessPct},
        {"crown_angle_deg", OrNull(p.crownAngleDeg)},
        {"pavilion_angle_deg", OrNull(p.pavilionAngleDeg)},
        {"volume_mm3", p.volumeMm3},
        {"surface_area_mm2", p.surfaceAreaMm2},
        {"material", material.name},
        {"density_g_per_cm3", material.density},
        {"carats", p.carats},
        {"max_non_planarity_mm", p.maxNonPlanarityMm},
        {"closed", p.closed},
        {"convex", p.convex},
    };
    return json;
}

}  // namespace

void AddMeasureCommand(CLI::App& app) {
    auto options = std::make_shared<MeasureOptions>();
    CLI::App* command = app.add_subcommand(
        "measure", "Measure the stone the plug-in builds: dimensions, proportions, angles, volume and weight");
    AddStoneOptions(*command, options->stone);
    CLI::Option* materialOption = command->add_option(
        "--material", options->material, "gem material for the weight: diamond (default), sapphire, ruby, ...");
    command->add_option("--density", options->density, "density in g/cm3 for the weight, instead of --material")
        ->excludes(materialOption);
    command->add_flag("--force", options->force, "measure even a parameter set the plug-in rejects");
    command->add_flag("--json", options->json, "print JSON");
    command->callback([options] {
        const MaterialChoice material = ChooseMaterial(options->material, options->density);
        Stone stone = OpenStone(options->stone);
        const bool accepted = stone.IsCorrect();
        if (!accepted && !options->force) {
            fmt::print(stderr, "cutting-host: the plug-in rejects this parameter set; --force measures it anyway\n");
            throw Exit{kExitNegative};
        }
        const solid::Proportions proportions =
            solid::MeasureProportions(BuildStoneSolid(stone), material.density);
        if (options->json) {
            fmt::print("{}\n", MeasuresJson(stone, proportions, material, accepted).dump(2));
        } else {
            PrintMeasures(stone, proportions, material, accepted);
        }
    });
}

namespace {
const bool kRegistered = RegisterCommand(50, AddMeasureCommand);
}

}  // namespace cutting::host::cli
