// The seven entry points of the box plug-in.
#include "box_cutting.hpp"
#include "plugin_support.hpp"

using box::BoxParams;
using cutting::kOnlyCutting;

extern "C" {

CUTTING_API int32_t CUTTING_CALL GetCuttingList(CuttingId* ids, int32_t capacity) {
    return cutting::ListSingleCutting(ids, capacity);
}

CUTTING_API int32_t CUTTING_CALL GetCuttingInfo(void* record, CuttingId cutting, int32_t request) {
    if (request != InfoRequestGeneral && request != InfoRequestParameterName &&
        request != InfoRequestParameterList)
        return 0;
    if (cutting != kOnlyCutting || record == nullptr) return 0;
    switch (request) {
        case InfoRequestGeneral:
            return cutting::FillGeneralInfo(static_cast<CuttingInfo*>(record), sizeof(BoxParams), box::kGuid,
                                            box::kFaces, box::kName);
        case InfoRequestParameterName:
            return 1;  // the box has no cutting-specific parameters
        default:
            return cutting::AppendParameterList(static_cast<ParameterList*>(record), box::kParameterList);
    }
}

CUTTING_API int32_t CUTTING_CALL InitDiamond(Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    return cutting::CopyDefaults(diamond, box::kDefaults);
}

CUTTING_API int32_t CUTTING_CALL InitVertex(Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    const BoxParams* p = cutting::BlockOf<BoxParams>(diamond);
    if (p == nullptr || diamond->vertices == nullptr) return 0;
    box::BuildBoxVertices(*p, diamond->vertices);
    return 1;
}

CUTTING_API int32_t CUTTING_CALL IsCorrect(Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    const BoxParams* p = cutting::BlockOf<BoxParams>(diamond);
    if (p == nullptr) return 0;
    return box::CheckBox(*p);
}

CUTTING_API int32_t CUTTING_CALL GetParameter(double* values, const ParameterId* ids, int32_t count,
                                              Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    const BoxParams* p = cutting::BlockOf<BoxParams>(diamond);
    if (p == nullptr) return 0;
    return cutting::ForEachParameter(count, ids, values,
                                     [&](int32_t i) { return box::ReadBoxParameter(*p, ids[i], &values[i]); });
}

CUTTING_API int32_t CUTTING_CALL SetParameter(const double* values, const ParameterId* ids, int32_t count,
                                              Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    BoxParams* p = cutting::BlockOf<BoxParams>(diamond);
    if (p == nullptr) return 0;
    return cutting::ForEachParameter(count, ids, values,
                                     [&](int32_t i) { return box::WriteBoxParameter(*p, ids[i], values[i]); });
}

}  // extern "C"
