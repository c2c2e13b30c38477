// The seven entry points of the oval plug-in.
#include "oval_check.hpp"
#include "oval_construction.hpp"
#include "oval_description.hpp"
#include "oval_parameters.hpp"
#include "plugin_support.hpp"

using cutting::kOnlyCutting;
using oval::OvalParams;

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
            return cutting::FillGeneralInfo(static_cast<CuttingInfo*>(record), sizeof(OvalParams), oval::kGuid,
                                            oval::kFaceTable.data(), oval::kName);
        case InfoRequestParameterName: {
            auto* query = static_cast<ParameterNameQuery*>(record);
            if (const char* name = oval::DisplayName(query->id)) query->name = name;
            return 1;
        }
        default:
            return cutting::AppendParameterList(static_cast<ParameterList*>(record), oval::kParameterList);
    }
}

CUTTING_API int32_t CUTTING_CALL InitDiamond(Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    return cutting::CopyDefaults(diamond, oval::kDefaults);
}

CUTTING_API int32_t CUTTING_CALL InitVertex(Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    const OvalParams* p = cutting::BlockOf<OvalParams>(diamond);
    if (p == nullptr || diamond->vertices == nullptr) return 0;
    oval::OvalFrame frame{};
    oval::BuildOval(*p, frame);
    oval::WriteVertices(frame, p->diameter, diamond->vertices);
    return 1;
}

CUTTING_API int32_t CUTTING_CALL IsCorrect(Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    const OvalParams* p = cutting::BlockOf<OvalParams>(diamond);
    if (p == nullptr) return 0;
    return oval::CheckOval(*p);
}

CUTTING_API int32_t CUTTING_CALL GetParameter(double* values, const ParameterId* ids, int32_t count,
                                              Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    const OvalParams* p = cutting::BlockOf<OvalParams>(diamond);
    if (p == nullptr) return 0;
    return cutting::ForEachParameter(count, ids, values,
                                     [&](int32_t i) { return oval::ReadParameter(*p, ids[i], &values[i]); });
}

CUTTING_API int32_t CUTTING_CALL SetParameter(const double* values, const ParameterId* ids, int32_t count,
                                              Diamond* diamond, CuttingId cutting) {
    if (cutting != kOnlyCutting) return 0;
    OvalParams* p = cutting::BlockOf<OvalParams>(diamond);
    if (p == nullptr) return 0;
    return cutting::ForEachParameter(count, ids, values,
                                     [&](int32_t i) { return oval::WriteParameter(*p, ids[i], values[i]); });
}

}  // extern "C"
