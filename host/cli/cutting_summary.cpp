#include "cutting_summary.hpp"

#include <fmt/format.h>

namespace cutting::host::cli {

std::string FacesByKindText(const FaceTable& faces) {
    const auto counts = FacesByCornerCount(faces);
    std::string text;
    // Largest polygons first reads like a cut's description: table, then facets.
    for (auto it = counts.rbegin(); it != counts.rend(); ++it) {
        if (!text.empty()) text += ", ";
        text += fmt::format("{} {}", it->second, PolygonKindName(it->first, it->second));
    }
    return text;
}

nlohmann::json CuttingIdentityJson(const Plugin& plugin, const Cutting& cutting) {
    return {{"plugin", plugin.Path().string()},
            {"cutting", {{"id", cutting.id}, {"name", cutting.name}, {"guid", FormatGuid(cutting.guid)}}}};
}

std::string CuttingHeadline(const Plugin& plugin, const Cutting& cutting) {
    return fmt::format("{} (cutting {}) from {}", cutting.name, cutting.id, plugin.Path().string());
}

}  // namespace cutting::host::cli
