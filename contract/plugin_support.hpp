// What every plug-in of the contract does the same way: appending its
// parameter list, the multi-identifier read and write loops, and copying its
// default block. Header-only, allocation-free, no exceptions.
#pragma once

#include "cutting_plugin.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace cutting {

// The single cutting identifier both of our plug-ins offer.
inline constexpr CuttingId kOnlyCutting = 1;

// GetCuttingList for a plug-in with one cutting.
inline int32_t ListSingleCutting(CuttingId* ids, int32_t capacity) {
    if (capacity <= 0 || ids == nullptr) return 0;
    ids[0] = kOnlyCutting;
    return 1;
}

// Request 260: appends `ids` behind list->count while there is room; never
// resets count. A listKind other than 1 fails and appends nothing, and so
// does a negative count (its slot would lie before the host's array).
inline int32_t AppendParameterList(ParameterList* list, std::span<const ParameterId> ids) {
    if (list == nullptr || list->listKind != 1 || list->count < 0) return 0;
    for (ParameterId id : ids) {
        if (list->count < list->capacity) {
            if (list->ids == nullptr) return 0;  // nothing appended yet: no room to write into
            list->ids[list->count] = id;
            ++list->count;
        }
    }
    return 1;
}

// Request 256: fills the six fields of the general description.
inline int32_t FillGeneralInfo(CuttingInfo* info, int32_t blockSize, const uint8_t (&guid)[16],
                               const uint16_t* faces, const char* name) {
    if (info == nullptr) return 0;
    info->blockSize = blockSize;
    std::memcpy(info->guid, guid, sizeof guid);
    info->infoKind = 1;
    info->faces = faces;
    info->name = name;
    info->secondName = name;
    return 1;
}

// The multi-identifier loop of GetParameter / SetParameter: processes ids in
// order and stops at the first the cutting does not serve, keeping what the
// earlier ones did. `one(i)` handles index i and returns 1 or 0.
template <class PerIdentifier>
int32_t ForEachParameter(int32_t count, const ParameterId* ids, const void* values, PerIdentifier one) {
    if (count <= 0) return 1;
    if (ids == nullptr || values == nullptr) return 0;
    for (int32_t i = 0; i < count; ++i) {
        if (one(i) == 0) return 0;
    }
    return 1;
}

// InitDiamond: copies a constant default block over the host's block.
template <class Block>
int32_t CopyDefaults(Diamond* diamond, const Block& defaults) {
    if (diamond == nullptr || diamond->params == nullptr) return 0;
    std::memcpy(diamond->params, &defaults, sizeof(Block));
    return 1;
}

// The parameter block of a Diamond, or null when there is none.
template <class Block>
Block* BlockOf(const Diamond* diamond) {
    return diamond == nullptr ? nullptr : static_cast<Block*>(diamond->params);
}

// The seven entry points of a plug-in with one cutting, written once. The
// cutting describes itself through static members of `Cutting`:
//   Block                                   its parameter block type
//   Defaults() -> const Block&              the default block
//   Guid() -> const uint8_t (&)[16], Faces() -> const uint16_t*, Name() -> const char*
//   Parameters() -> span<const ParameterId> the parameter list, in order
//   DisplayName(id) -> const char* or null  names of its own parameters
//   BuildVertices(const Block&, double*)    every vertex, mm
//   Check(const Block&) -> int32_t          1 for a proper stone
//   Read(const Block&, id, double*) / Write(Block&, id, double) -> int32_t
// Every entry point checks the cutting identifier before anything a host can
// observe, and a null record, block, buffer or array fails touching nothing.
template <class Cutting>
struct SingleCuttingPlugin {
    using Block = typename Cutting::Block;

    static int32_t GetCuttingList(CuttingId* ids, int32_t capacity) { return ListSingleCutting(ids, capacity); }

    static int32_t GetCuttingInfo(void* record, CuttingId cutting, int32_t request) {
        if (request != InfoRequestGeneral && request != InfoRequestParameterName &&
            request != InfoRequestParameterList)
            return 0;
        if (cutting != kOnlyCutting || record == nullptr) return 0;
        switch (request) {
            case InfoRequestGeneral:
                return FillGeneralInfo(static_cast<CuttingInfo*>(record), sizeof(Block), Cutting::Guid(),
                                       Cutting::Faces(), Cutting::Name());
            case InfoRequestParameterName: {
                auto* query = static_cast<ParameterNameQuery*>(record);
                if (const char* name = Cutting::DisplayName(query->id)) query->name = name;
                return 1;
            }
            default:
                return AppendParameterList(static_cast<ParameterList*>(record), Cutting::Parameters());
        }
    }

    static int32_t InitDiamond(Diamond* diamond, CuttingId cutting) {
        if (cutting != kOnlyCutting) return 0;
        return CopyDefaults(diamond, Cutting::Defaults());
    }

    static int32_t InitVertex(Diamond* diamond, CuttingId cutting) {
        if (cutting != kOnlyCutting) return 0;
        const Block* p = BlockOf<Block>(diamond);
        if (p == nullptr || diamond->vertices == nullptr) return 0;
        Cutting::BuildVertices(*p, diamond->vertices);
        return 1;
    }

    static int32_t IsCorrect(Diamond* diamond, CuttingId cutting) {
        if (cutting != kOnlyCutting) return 0;
        const Block* p = BlockOf<Block>(diamond);
        if (p == nullptr) return 0;
        return Cutting::Check(*p);
    }

    static int32_t GetParameter(double* values, const ParameterId* ids, int32_t count, Diamond* diamond,
                                CuttingId cutting) {
        if (cutting != kOnlyCutting) return 0;
        const Block* p = BlockOf<Block>(diamond);
        if (p == nullptr) return 0;
        return ForEachParameter(count, ids, values, [&](int32_t i) { return Cutting::Read(*p, ids[i], &values[i]); });
    }

    static int32_t SetParameter(const double* values, const ParameterId* ids, int32_t count, Diamond* diamond,
                                CuttingId cutting) {
        if (cutting != kOnlyCutting) return 0;
        Block* p = BlockOf<Block>(diamond);
        if (p == nullptr) return 0;
        return ForEachParameter(count, ids, values, [&](int32_t i) { return Cutting::Write(*p, ids[i], values[i]); });
    }
};

}  // namespace cutting

// Defines the seven exported entry points of a plug-in with one cutting as
// SingleCuttingPlugin<CUTTING>'s.
#define CUTTING_DEFINE_SINGLE_CUTTING_PLUGIN(CUTTING)                                                              \
    extern "C" {                                                                                                   \
    CUTTING_API int32_t CUTTING_CALL GetCuttingList(CuttingId* ids, int32_t capacity) {                          \
        return ::cutting::SingleCuttingPlugin<CUTTING>::GetCuttingList(ids, capacity);                           \
    }                                                                                                              \
    CUTTING_API int32_t CUTTING_CALL GetCuttingInfo(void* record, CuttingId cutting, int32_t request) {          \
        return ::cutting::SingleCuttingPlugin<CUTTING>::GetCuttingInfo(record, cutting, request);                \
    }                                                                                                              \
    CUTTING_API int32_t CUTTING_CALL InitDiamond(Diamond* diamond, CuttingId cutting) {                          \
        return ::cutting::SingleCuttingPlugin<CUTTING>::InitDiamond(diamond, cutting);                           \
    }                                                                                                              \
    CUTTING_API int32_t CUTTING_CALL InitVertex(Diamond* diamond, CuttingId cutting) {                           \
        return ::cutting::SingleCuttingPlugin<CUTTING>::InitVertex(diamond, cutting);                            \
    }                                                                                                              \
    CUTTING_API int32_t CUTTING_CALL IsCorrect(Diamond* diamond, CuttingId cutting) {                            \
        return ::cutting::SingleCuttingPlugin<CUTTING>::IsCorrect(diamond, cutting);                             \
    }                                                                                                              \
    CUTTING_API int32_t CUTTING_CALL GetParameter(double* values, const ParameterId* ids, int32_t count,         \
                                                  Diamond* diamond, CuttingId cutting) {                         \
        return ::cutting::SingleCuttingPlugin<CUTTING>::GetParameter(values, ids, count, diamond, cutting);      \
    }                                                                                                              \
    CUTTING_API int32_t CUTTING_CALL SetParameter(const double* values, const ParameterId* ids, int32_t count,   \
                                                  Diamond* diamond, CuttingId cutting) {                         \
        return ::cutting::SingleCuttingPlugin<CUTTING>::SetParameter(values, ids, count, diamond, cutting);      \
    }                                                                                                              \
    }
