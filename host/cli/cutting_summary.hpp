// What info, params and check print about the plug-in and the cutting at the
// head of their output, as text and as JSON.
#pragma once

#include "core/plugin.hpp"

#include <nlohmann/json.hpp>
#include <string>

namespace cutting::host::cli {

// "1 octagon, 8 triangles, 80 quadrilaterals, 32 hexagons"
std::string FacesByKindText(const FaceTable& faces);

// {"plugin": path, "cutting": {"id", "name", "guid"}}
nlohmann::json CuttingIdentityJson(const Plugin& plugin, const Cutting& cutting);

// "Tavolet (cutting 1) from /path/Tavolet.so"
std::string CuttingHeadline(const Plugin& plugin, const Cutting& cutting);

}  // namespace cutting::host::cli
