#include "materials.hpp"

#include <algorithm>
#include <array>
#include <cctype>

namespace cutting::host::solid {

namespace {

constexpr std::array kMaterials{
    Material{"diamond", kDiamondDensity},
    Material{"sapphire", 4.00},
    Material{"ruby", 4.00},
    Material{"spinel", 3.60},
    Material{"topaz", 3.53},
    Material{"moissanite", 3.22},
    Material{"cubic-zirconia", 5.80},
    Material{"quartz", 2.65},
    Material{"emerald", 2.72},
    Material{"beryl", 2.72},
};

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::span<const Material> KnownMaterials() { return kMaterials; }

std::optional<double> DensityOf(std::string_view name) {
    for (const Material& m : kMaterials) {
        if (SameName(m.name, name)) return m.density;
    }
    return std::nullopt;
}

}  // namespace cutting::host::solid
