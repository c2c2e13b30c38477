// info PLUGIN: what the plug-in says about its cutting, without making a stone.
#include "commands.hpp"
#include "cutting_summary.hpp"
#include "stone_options.hpp"
#include "text_table.hpp"

#include <fmt/format.h>
#include <memory>
#include <nlohmann/json.hpp>

namespace cutting::host::cli {

namespace {

struct InfoOptions {
    StoneOptions stone;
    bool json = false;
};

nlohmann::json InfoJson(const Plugin& plugin, const Cutting& cutting) {
    nlohmann::json json = CuttingIdentityJson(plugin, cutting);
    json["cutting"]["blockSize"] = cutting.blockSize;
    json["cutting"]["vertexCount"] = cutting.VertexCount();
    json["cutting"]["faceCount"] = cutting.faces.faces.size();
    nlohmann::json byKind = nlohmann::json::object();
    for (const auto& [corners, count] : FacesByCornerCount(cutting.faces))
        byKind[PolygonKindName(corners, 2)] = count;
    json["cutting"]["facesByKind"] = byKind;
    nlohmann::json parameters = nlohmann::json::array();
    for (const ParameterInfo& parameter : cutting.parameters) {
        parameters.push_back({{"id", parameter.id},
                              {"name", parameter.name},
                              {"displayName", parameter.displayName ? nlohmann::json(*parameter.displayName)
                                                                    : nlohmann::json(nullptr)},
                              {"key", parameter.shortName},
                              {"unit", std::string(UnitDescription(parameter.unit))}});
    }
    json["parameters"] = parameters;
    return json;
}

void PrintInfo(const Plugin& plugin, const Cutting& cutting) {
    fmt::print("Plug-in     {}\n", plugin.Path().string());
    fmt::print("Cutting     {} (id {})\n", cutting.name, cutting.id);
    fmt::print("GUID        {}\n", FormatGuid(cutting.guid));
    fmt::print("Block size  {} bytes\n", cutting.blockSize);
    fmt::print("Vertices    {}\n", cutting.VertexCount());
    fmt::print("Faces       {}: {}\n", cutting.faces.faces.size(), FacesByKindText(cutting.faces));
    fmt::print("Parameters  {}\n", cutting.parameters.size());
    TextTable table({"id", "key", "name", "unit"});
    for (const ParameterInfo& parameter : cutting.parameters) {
        table.AddRow({std::to_string(parameter.id), parameter.shortName.empty() ? "-" : parameter.shortName,
                      parameter.name, std::string(UnitDescription(parameter.unit))});
    }
    fmt::print("{}", table.Render(2, {0}));
}

}  // namespace

void AddInfoCommand(CLI::App& app) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command = app.add_subcommand("info", "Describe a plug-in's cutting: identity, faces, parameters");
    AddPluginOptions(*command, options->stone);
    command->add_flag("--json", options->json, "print JSON");
    command->callback([options] {
        const OpenedCutting opened = OpenCutting(options->stone);
        if (options->json) {
            fmt::print("{}\n", InfoJson(*opened.plugin, opened.cutting).dump(2));
        } else {
            PrintInfo(*opened.plugin, opened.cutting);
        }
    });
}

namespace {
const bool kRegistered = RegisterCommand(20, AddInfoCommand);
}

}  // namespace cutting::host::cli
