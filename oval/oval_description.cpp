#include "oval_description.hpp"

namespace oval {

const char* DisplayName(ParameterId id) {
    switch (id) {
        case ParameterLowerFacetsDepth: return "Lower facets depth";
        case ParameterSquareTable: return "Square table";
        case ParameterSquareDeviation: return "Square deviation";
        case ParameterTotalHeightPercent: return "Total Height %";
        case ParameterTotalHeightFixMm: return "TotalHeightFix mm";
        case ParameterStarFacets: return "Star facets";
        case ParameterSecondDiameter: return "Sec. diameter";
        case ParameterTotalHeightMm: return "Total Height mm";
        case ParameterTotalHeightFixPercent: return "TotalHeightFix %";
        default: return nullptr;
    }
}

}  // namespace oval
