// list: the plug-ins in the plug-in folders and the cuttings they offer.
#include "commands.hpp"
#include "core/errors.hpp"
#include "core/plugin.hpp"
#include "core/plugin_locator.hpp"

#include <cstdio>
#include <fmt/format.h>
#include <memory>
#include <nlohmann/json.hpp>

namespace cutting::host::cli {

namespace {

struct ListOptions {
    bool json = false;
};

std::string FoldersText() {
    std::string text;
    for (const auto& folder : PluginFolders()) text += (text.empty() ? "" : ", ") + folder.string();
    return text.empty() ? "(none: set CUTTING_PLUGIN_PATH)" : text;
}

void List(const ListOptions& options) {
    nlohmann::json plugins = nlohmann::json::array();
    const auto paths = DiscoverPlugins();
    if (!options.json) fmt::print("Plug-in folders: {}\n", FoldersText());
    for (const auto& path : paths) {
        nlohmann::json entry{{"path", path.string()}, {"cuttings", nlohmann::json::array()}};
        try {
            const auto plugin = Plugin::Load(path.string());
            if (!options.json) fmt::print("{}  {}\n", plugin->Name(), path.string());
            for (CuttingId id : plugin->CuttingIds()) {
                const Cutting cutting = plugin->Describe(id);
                const std::string guid = FormatGuid(cutting.guid);
                entry["cuttings"].push_back({{"id", id}, {"name", cutting.name}, {"guid", guid}});
                if (!options.json) fmt::print("  {:>3}  {}  {}\n", id, cutting.name, guid);
            }
        } catch (const LoadError& error) {
            entry["error"] = error.what();
            if (!options.json) fmt::print("{}  (unusable: {})\n", path.filename().string(), error.what());
        }
        plugins.push_back(entry);
    }
    if (options.json) {
        fmt::print("{}\n", nlohmann::json{{"plugins", plugins}}.dump(2));
    } else if (paths.empty()) {
        fmt::print("no plug-ins found\n");
    }
}

}  // namespace

void AddListCommand(CLI::App& app) {
    auto options = std::make_shared<ListOptions>();
    CLI::App* command = app.add_subcommand("list", "List the plug-ins in the plug-in folders and their cuttings");
    command->add_flag("--json", options->json, "print JSON");
    command->callback([options] { List(*options); });
}

namespace {
const bool kRegistered = RegisterCommand(10, AddListCommand);
}

}  // namespace cutting::host::cli
