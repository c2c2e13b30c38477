#include "cutting_summary.hpp"

#include <algorithm>
#include <fmt/format.h>

namespace cutting::host::cli {

std::string FacesByKindText(const FaceTable& faces) {
    // Kinds in the order the table first uses them, as a cut is described:
    // for a brilliant the table, then the star facets, the mains, ...
    const auto counts = FacesByCornerCount(faces);
    std::vector<size_t> order;
    for (const Face& face : faces.faces) {
        if (std::find(order.begin(), order.end(), face.size()) == order.end()) order.push_back(face.size());
    }
    std::string text;
    for (size_t corners : order) {
        if (!text.empty()) text += ", ";
        const int count = counts.at(corners);
        text += fmt::format("{} {}", count, PolygonKindName(corners, count));
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
