// The plug-in files the build passes to the tests: "Name=path|Name=path".
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct NamedPlugin {
    std::string name;
    std::string path;
};

std::vector<NamedPlugin> ParsePluginList(std::string_view list);

// The plug-ins the build makes (Tavolet, and Lirento once it exists).
const std::vector<NamedPlugin>& PluginsUnderTest();

// The fixture plug-ins, by name; throws when there is none of that name.
const std::string& FixturePath(std::string_view name);
