// The options most subcommands share: PLUGIN (a path or a bare name),
// --cutting ID and --set KEY=VALUE (repeatable, applied in order), and how
// they turn into a loaded, edited Stone.
#pragma once

#include "core/stone.hpp"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

namespace cutting::host::cli {

struct StoneOptions {
    std::string plugin;
    int cutting = 0;  // 0: the first cutting the plug-in lists
    std::vector<std::string> settings;
};

// PLUGIN and --cutting.
void AddPluginOptions(CLI::App& command, StoneOptions& options);
// PLUGIN, --cutting and --set.
void AddStoneOptions(CLI::App& command, StoneOptions& options);

// The plug-in and the cutting the options name; throws LoadError.
struct OpenedCutting {
    std::shared_ptr<const Plugin> plugin;
    Cutting cutting;
};
OpenedCutting OpenCutting(const StoneOptions& options);

// Loads the plug-in, initialises a stone with the defaults and applies the
// --set edits in order; throws LoadError or InputError.
Stone OpenStone(const StoneOptions& options);

}  // namespace cutting::host::cli
