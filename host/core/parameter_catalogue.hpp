// What the host knows about parameter identifiers: its own names and units
// for the standard identifiers (below 4096), and short names for typing on a
// command line. Cutting-specific identifiers (4096 and up) mean different
// things in different plug-ins, so an entry for one applies only when the
// plug-in serves the display name the entry expects.
#pragma once

#include "core/units.hpp"
#include "cutting_plugin.h"

#include <optional>
#include <span>
#include <string_view>

namespace cutting::host {

struct CatalogueEntry {
    ParameterId id;
    std::string_view shortName;    // "crown-angle", for --set
    std::string_view hostName;     // "Crown angle"; for specific ids the display name
    Unit unit;
    std::string_view displayName;  // specific ids only: the plug-in's display name
};

std::span<const CatalogueEntry> ParameterCatalogue();

// The entry for `id`, given the display name the plug-in served for it (if any).
const CatalogueEntry* FindCatalogueEntry(ParameterId id, std::optional<std::string_view> displayName);

inline bool IsStandardParameter(ParameterId id) { return id >= 0 && id < CUTTING_FIRST_SPECIFIC_PARAMETER; }

}  // namespace cutting::host
