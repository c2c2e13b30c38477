#include "plugin_paths.hpp"

#include <stdexcept>

std::vector<NamedPlugin> ParsePluginList(std::string_view list) {
    std::vector<NamedPlugin> plugins;
    while (!list.empty()) {
        const size_t end = list.find('|');
        const std::string_view entry = list.substr(0, end);
        const size_t equals = entry.find('=');
        if (equals != std::string_view::npos)
            plugins.push_back({std::string(entry.substr(0, equals)), std::string(entry.substr(equals + 1))});
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return plugins;
}

const std::vector<NamedPlugin>& PluginsUnderTest() {
    static const std::vector<NamedPlugin> plugins = ParsePluginList(CUTTING_PLUGINS_UNDER_TEST);
    return plugins;
}

const std::string& FixturePath(std::string_view name) {
    static const std::vector<NamedPlugin> fixtures = ParsePluginList(CUTTING_FIXTURE_PLUGINS);
    for (const NamedPlugin& fixture : fixtures) {
        if (fixture.name == name) return fixture.path;
    }
    throw std::invalid_argument("no fixture plug-in " + std::string(name));
}
