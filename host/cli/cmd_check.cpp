// check PLUGIN [--set KEY=VALUE]...: the plug-in's verdict on the parameter
// set; exit 0 when accepted, 1 when rejected.
#include "commands.hpp"
#include "cutting_summary.hpp"
#include "stone_options.hpp"

#include <fmt/format.h>
#include <memory>
#include <nlohmann/json.hpp>

namespace cutting::host::cli {

namespace {
struct CheckOptions {
    StoneOptions stone;
    bool json = false;
};
}  // namespace

void AddCheckCommand(CLI::App& app) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* command = app.add_subcommand(
        "check", "Ask the plug-in whether the parameter set makes a proper stone (exit 0 accepted, 1 rejected)");
    AddStoneOptions(*command, options->stone);
    command->add_flag("--json", options->json, "print JSON");
    command->callback([options] {
        const Stone stone = OpenStone(options->stone);
        const bool accepted = stone.IsCorrect();
        if (options->json) {
            nlohmann::json json = CuttingIdentityJson(stone.GetPlugin(), stone.GetCutting());
            json["accepted"] = accepted;
            fmt::print("{}\n", json.dump(2));
        } else {
            fmt::print("{}: {}\n", stone.GetCutting().name, accepted ? "accepted" : "rejected");
        }
        if (!accepted) throw Exit{kExitNegative};
    });
}

namespace {
const bool kRegistered = RegisterCommand(40, AddCheckCommand);
}

}  // namespace cutting::host::cli
