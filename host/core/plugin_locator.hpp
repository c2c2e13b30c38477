// Where plug-ins are looked for when the user names one without a folder:
// the folders of CUTTING_PLUGIN_PATH first, then the build's plug-in folder
// (<exe dir>/../plugins) and an install prefix's (<exe dir>/../lib/cutting-plugins).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cutting::host {

// The plug-in folders in search order; folders that do not exist are left out.
std::vector<std::filesystem::path> PluginFolders();

// The file that `name` stands for. An existing file is taken as it is; a bare
// name ("Lirento", "Tavolet.so") is looked up in the plug-in folders, with
// the platform's suffix added when it has none. Throws LoadError naming the
// folders searched when nothing is found.
std::filesystem::path LocatePlugin(const std::string& name);

// Every file with the platform's shared-library suffix in the plug-in folders,
// the first of each file name only.
std::vector<std::filesystem::path> DiscoverPlugins();

}  // namespace cutting::host
