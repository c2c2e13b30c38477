// params PLUGIN [--set KEY=VALUE]...: every listed parameter after the edits,
// in the user's units and raw.
#include "commands.hpp"
#include "core/units.hpp"
#include "cutting_summary.hpp"
#include "stone_options.hpp"
#include "text_table.hpp"

#include <fmt/format.h>
#include <memory>
#include <nlohmann/json.hpp>

namespace cutting::host::cli {

namespace {

struct ParamsOptions {
    StoneOptions stone;
    bool json = false;
};

void PrintParams(const Stone& stone) {
    const Cutting& cutting = stone.GetCutting();
    fmt::print("{}\n", CuttingHeadline(stone.GetPlugin(), cutting));
    TextTable table({"id", "key", "name", "value", "raw"});
    const auto values = stone.GetAll();
    for (size_t i = 0; i < cutting.parameters.size(); ++i) {
        const ParameterInfo& parameter = cutting.parameters[i];
        const std::optional<double>& value = values[i];
        table.AddRow({std::to_string(parameter.id), parameter.shortName.empty() ? "-" : parameter.shortName,
                      parameter.name, value ? FormatInUserUnit(*value, parameter.unit) : "(refused)",
                      value ? FormatRaw(*value) : "-"});
    }
    fmt::print("{}", table.Render(2, {0, 3}));
}

nlohmann::json ParamsJson(const Stone& stone) {
    const Cutting& cutting = stone.GetCutting();
    nlohmann::json json = CuttingIdentityJson(stone.GetPlugin(), cutting);
    nlohmann::json parameters = nlohmann::json::array();
    const auto values = stone.GetAll();
    for (size_t i = 0; i < cutting.parameters.size(); ++i) {
        const ParameterInfo& parameter = cutting.parameters[i];
        nlohmann::json entry{{"id", parameter.id},
                             {"name", parameter.name},
                             {"key", parameter.shortName},
                             {"unit", std::string(UnitSymbol(parameter.unit))}};
        if (values[i]) {
            entry["raw"] = *values[i];
            entry["value"] = ToUserUnit(*values[i], parameter.unit);
        } else {
            entry["raw"] = nullptr;
            entry["value"] = nullptr;
        }
        parameters.push_back(entry);
    }
    json["parameters"] = parameters;
    return json;
}

}  // namespace

void AddParamsCommand(CLI::App& app) {
    auto options = std::make_shared<ParamsOptions>();
    CLI::App* command =
        app.add_subcommand("params", "Show every parameter after the --set edits, in your units and raw");
    AddStoneOptions(*command, options->stone);
    command->add_flag("--json", options->json, "print JSON");
    command->callback([options] {
        const Stone stone = OpenStone(options->stone);
        if (options->json) {
            fmt::print("{}\n", ParamsJson(stone).dump(2));
        } else {
            PrintParams(stone);
        }
    });
}

namespace {
const bool kRegistered = RegisterCommand(30, AddParamsCommand);
}

}  // namespace cutting::host::cli
