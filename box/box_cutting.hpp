// The box cutting "Tavolet": a rectangular block centred on the origin whose
// length (x) is the diameter, width (y) ratio x diameter and thickness (z)
// girdle x diameter.
#pragma once

#include "cutting_plugin.h"

#include <cstddef>
#include <cstdint>

namespace box {

// The box's parameter block, 32 bytes; the layout is binding.
struct BoxParams {
    int32_t variant;      // 1 by default; IsCorrect rejects values above 1
    int32_t unused;       // never read; zero in the defaults
    double diameter;      // length along x, mm (parameter 1)
    double girdle;        // thickness along z, fraction of the diameter (parameter 37)
    double ratio;         // width along y / length (parameter 10)
};
static_assert(sizeof(BoxParams) == 32);
static_assert(offsetof(BoxParams, diameter) == 8);
static_assert(offsetof(BoxParams, girdle) == 16);
static_assert(offsetof(BoxParams, ratio) == 24);

inline constexpr int kVertexCount = 8;

inline constexpr BoxParams kDefaults{1, 0, 6.0, 0.035, 1.0};

inline constexpr uint8_t kGuid[16] = {0x7E, 0xE6, 0xC5, 0x74, 0x6B, 0xC4, 0xC9, 0x4D,
                                      0x84, 0xB3, 0xC8, 0x91, 0xAE, 0x6C, 0x6D, 0x2E};

inline constexpr char kName[] = "Tavolet";

// Six quadrilaterals, each a closed loop, counterclockwise seen from outside.
inline constexpr uint16_t kFaces[] = {
    0, 1, 2, 3, 0,  // top, z = +hz
    0, 4, 5, 1, 0,  // x = -hx
    1, 5, 6, 2, 1,  // y = -hy
    2, 6, 7, 3, 2,  // x = +hx
    3, 7, 4, 0, 3,  // y = +hy
    4, 7, 6, 5, 4,  // bottom, z = -hz
    CUTTING_FACES_END};
static_assert(sizeof(kFaces) / sizeof(kFaces[0]) == 31);

inline constexpr ParameterId kParameterList[] = {ParameterDiameter, ParameterGirdle, ParameterRatio};

// 1 when the block describes a buildable box. Every extent must be finite.
int32_t CheckBox(const BoxParams& p);

// The eight corners, mm, into 24 doubles.
void BuildBoxVertices(const BoxParams& p, double* vertices);

int32_t ReadBoxParameter(const BoxParams& p, ParameterId id, double* out);
int32_t WriteBoxParameter(BoxParams& p, ParameterId id, double value);

}  // namespace box
