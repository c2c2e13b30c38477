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

}  // namespace cutting
