#include "core/parameter_catalogue.hpp"

#include <array>

namespace cutting::host {

namespace {

constexpr std::array kCatalogue{
    // Standard identifiers: the host's own names.
    CatalogueEntry{ParameterDiameter, "diameter", "Diameter", Unit::Millimetre, ""},
    CatalogueEntry{ParameterPavilionAngle, "pavilion-angle", "Pavilion angle", Unit::Angle, ""},
    CatalogueEntry{ParameterTable, "table", "Table", Unit::Fraction, ""},
    CatalogueEntry{ParameterRatio, "ratio", "Ratio", Unit::Ratio, ""},
    CatalogueEntry{ParameterGirdle, "girdle", "Girdle thickness", Unit::Fraction, ""},
    CatalogueEntry{ParameterCrownHeight, "crown-height", "Crown height", Unit::Fraction, ""},
    CatalogueEntry{ParameterCrownAngle, "crown-angle", "Crown angle", Unit::Angle, ""},
    CatalogueEntry{ParameterPavilionHeight, "pavilion-height", "Pavilion height", Unit::Fraction, ""},
    CatalogueEntry{ParameterCuletOffsetX, "culet-offset-x", "Culet offset x", Unit::Fraction, ""},
    CatalogueEntry{ParameterCuletOffsetY, "culet-offset-y", "Culet offset y", Unit::Fraction, ""},
    // The oval cutting's own identifiers, recognised by their display names.
    CatalogueEntry{4106, "lower-facets-depth", "Lower facets depth", Unit::Fraction, "Lower facets depth"},
    CatalogueEntry{4107, "square-table", "Square table", Unit::Plain, "Square table"},
    CatalogueEntry{4108, "square-deviation", "Square deviation", Unit::Plain, "Square deviation"},
    CatalogueEntry{4109, "total-height-pct", "Total Height %", Unit::Fraction, "Total Height %"},
    CatalogueEntry{4110, "total-height-pct-keep-mm", "TotalHeightFix mm", Unit::Fraction, "TotalHeightFix mm"},
    CatalogueEntry{4111, "star-facets", "Star facets", Unit::Plain, "Star facets"},
    CatalogueEntry{4136, "second-diameter", "Sec. diameter", Unit::Millimetre, "Sec. diameter"},
    CatalogueEntry{4137, "total-height-mm", "Total Height mm", Unit::Millimetre, "Total Height mm"},
    CatalogueEntry{4138, "total-height-mm-keep-pct", "TotalHeightFix %", Unit::Millimetre, "TotalHeightFix %"},
};

}  // namespace

std::span<const CatalogueEntry> ParameterCatalogue() { return kCatalogue; }

const CatalogueEntry* FindCatalogueEntry(ParameterId id, std::optional<std::string_view> displayName) {
    for (const CatalogueEntry& entry : kCatalogue) {
        if (entry.id != id) continue;
        if (IsStandardParameter(id)) return &entry;
        if (displayName && *displayName == entry.displayName) return &entry;
    }
    return nullptr;
}

}  // namespace cutting::host
