#include "stone_options.hpp"

#include "core/errors.hpp"
#include "core/parameter_edit.hpp"

#include <algorithm>

namespace cutting::host::cli {

void AddPluginOptions(CLI::App& command, StoneOptions& options) {
    command.add_option("PLUGIN", options.plugin, "plug-in file, or a bare name from the plug-in folders")
        ->required();
    command.add_option("--cutting", options.cutting, "cutting identifier (default: the first one listed)");
}

void AddStoneOptions(CLI::App& command, StoneOptions& options) {
    AddPluginOptions(command, options);
    command
        .add_option("--set", options.settings,
                    "KEY=VALUE: set a parameter before anything else, in the order given; KEY is an identifier, "
                    "a display name or a short name, VALUE a number with or without a unit (mm, %, deg)")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

OpenedCutting OpenCutting(const StoneOptions& options) {
    std::shared_ptr<const Plugin> plugin = Plugin::Load(options.plugin);
    const std::vector<CuttingId> ids = plugin->CuttingIds();
    CuttingId id = ids.front();
    if (options.cutting != 0) {
        if (std::find(ids.begin(), ids.end(), options.cutting) == ids.end())
            throw InputError("'" + plugin->Path().string() + "' offers no cutting " + std::to_string(options.cutting));
        id = options.cutting;
    }
    Cutting cutting = plugin->Describe(id);
    return OpenedCutting{std::move(plugin), std::move(cutting)};
}

Stone OpenStone(const StoneOptions& options) {
    OpenedCutting opened = OpenCutting(options);
    std::vector<ParameterEdit> edits;
    for (const std::string& setting : options.settings) edits.push_back(ParseParameterEdit(opened.cutting, setting));
    Stone stone(std::move(opened.plugin), std::move(opened.cutting));
    if (!stone.Init())
        throw LoadError("InitDiamond failed for cutting " + std::to_string(stone.GetCutting().id) + " of '" +
                        stone.GetPlugin().Path().string() + "'");
    ApplyEdits(stone, edits);
    return stone;
}

}  // namespace cutting::host::cli
