// What the host sees of the oval cutting "Lirento.P24C32" before any
// geometry: identity, face table with the 153-vertex numbering, parameter
// list and the display names of its own parameters.
#pragma once

#include "cutting_plugin.h"

#include <array>
#include <cstdint>

namespace oval {

// Vertex numbering: table corners T_i, star points S_i, upper and lower
// girdle samples U_j and L_j (L_j straight below U_j), pavilion points P_i
// and the culet. Girdle samples run clockwise seen from above, j = 0 on +y.
inline constexpr int kTableCorner = 0;
inline constexpr int kStarPoint = 8;
inline constexpr int kUpperGirdle = 16;
inline constexpr int kLowerGirdle = 80;
inline constexpr int kPavilionPoint = 144;
inline constexpr int kCulet = 152;
inline constexpr int kVertexCount = 153;
inline constexpr int kGirdleSamples = 64;
inline constexpr int kFaceCount = 121;

// The oval's own parameter identifiers.
enum OvalParameter : ParameterId {
    ParameterLowerFacetsDepth = 4106,
    ParameterSquareTable = 4107,
    ParameterSquareDeviation = 4108,
    ParameterTotalHeightPercent = 4109,
    ParameterTotalHeightFixMm = 4110,
    ParameterStarFacets = 4111,
    ParameterSecondDiameter = 4136,
    ParameterTotalHeightMm = 4137,
    ParameterTotalHeightFixPercent = 4138,
};

// An identifier the reader accepts without supplying a value; never listed,
// never writable.
inline constexpr ParameterId kParameterReadOnlyNoValue = 19;

inline constexpr char kName[] = "Lirento.P24C32";

inline constexpr uint8_t kGuid[16] = {0x9B, 0x9B, 0x9C, 0xCD, 0xD0, 0x82, 0x83, 0x45,
                                      0xB6, 0xCE, 0x53, 0xE9, 0x12, 0x23, 0x35, 0x36};

inline constexpr ParameterId kParameterList[] = {
    ParameterDiameter,           ParameterSecondDiameter,     ParameterRatio,
    ParameterTotalHeightMm,      ParameterTotalHeightPercent, ParameterTotalHeightFixPercent,
    ParameterTotalHeightFixMm,   ParameterCrownHeight,        ParameterCrownAngle,
    ParameterPavilionHeight,     ParameterPavilionAngle,      ParameterTable,
    ParameterGirdle,             ParameterSquareDeviation,    ParameterLowerFacetsDepth,
    ParameterStarFacets,         ParameterSquareTable,        ParameterCuletOffsetX,
    ParameterCuletOffsetY};
static_assert(std::size(kParameterList) == 19);

// The display name of one of the oval's own parameters, or null.
const char* DisplayName(ParameterId id);

inline constexpr int kFaceTableLength = 666;

namespace detail {

constexpr std::array<uint16_t, kFaceTableLength> MakeFaceTable() {
    std::array<uint16_t, kFaceTableLength> t{};
    int n = 0;
    auto put = [&](int v) { t[static_cast<std::size_t>(n++)] = static_cast<uint16_t>(v); };
    auto T = [](int i) { return kTableCorner + (i + 8) % 8; };
    auto S = [](int i) { return kStarPoint + (i + 8) % 8; };
    auto P = [](int i) { return kPavilionPoint + (i + 8) % 8; };
    auto U = [](int j) { return kUpperGirdle + (j + 64) % 64; };
    auto L = [](int j) { return kLowerGirdle + (j + 64) % 64; };
    auto loop = [&](std::initializer_list<int> vs) {
        for (int v : vs) put(v);
        put(*vs.begin());
    };
    loop({T(0), T(7), T(6), T(5), T(4), T(3), T(2), T(1)});                      // table
    for (int i = 0; i < 8; ++i) loop({T(i), T(i + 1), S(i)});                      // star facets
    for (int i = 0; i < 8; ++i) loop({T(i), S(i), U(8 * i), S(i - 1)});            // crown mains
    for (int f = 0; f < 16; ++f)                                                    // upper girdle facets
        loop({S(f / 2), U(4 * f + 4), U(4 * f + 3), U(4 * f + 2), U(4 * f + 1), U(4 * f)});
    for (int j = 0; j < 64; ++j) loop({U(j), U(j + 1), L(j + 1), L(j)});           // girdle facets
    for (int f = 0; f < 16; ++f)                                                    // lower girdle facets
        loop({P((f + 1) / 2), L(4 * f), L(4 * f + 1), L(4 * f + 2), L(4 * f + 3), L(4 * f + 4)});
    for (int k = 0; k < 8; ++k) loop({kCulet, P(k), L(8 * k + 4), P(k + 1)});      // pavilion mains
    put(CUTTING_FACES_END);
    return t;
}

}  // namespace detail

// Each face a loop closed by its first index, counterclockwise seen from outside.
inline constexpr std::array<uint16_t, kFaceTableLength> kFaceTable = detail::MakeFaceTable();
static_assert(kFaceTable[kFaceTableLength - 1] == CUTTING_FACES_END);

}  // namespace oval
