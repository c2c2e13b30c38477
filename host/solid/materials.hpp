// Gem materials and carat weight.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace cutting::host::solid {

struct Material {
    std::string_view name;  // lower-case, words joined by '-'
    double density;         // g/cm³
};

inline constexpr double kDiamondDensity = 3.52;

// The materials `--material` knows, diamond first.
std::span<const Material> KnownMaterials();

// The density of a known material, matched case-insensitively; nullopt for
// an unknown name.
std::optional<double> DensityOf(std::string_view name);

// Weight in carats (0.2 g) of `volumeMm3` of a material of `density` g/cm³:
// mm³ × g/cm³ is milligrams, and a carat is 200 mg.
constexpr double CaratWeight(double volumeMm3, double density) { return volumeMm3 * density / 200.0; }

}  // namespace cutting::host::solid
