// What the host learns of the oval before any geometry: face table and
// vertex numbering, parameter list, display names, identity and defaults.
#include "mesh_checks.hpp"
#include "oval_description.hpp"
#include "oval_params.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace oval;
using oval_test::OvalFaces;
using Face = oval_test::solid::FaceLoop;

TEST(FaceTable, HoldsOneOctagonEightTrianglesEightyQuadsAndThirtyTwoHexagons) {
    const std::vector<Face>& faces = OvalFaces();
    ASSERT_EQ(faces.size(), 121u);
    std::map<std::size_t, int> bySize;
    for (const Face& f : faces) ++bySize[f.size()];
    EXPECT_EQ(bySize, (std::map<std::size_t, int>{{3, 8}, {4, 80}, {6, 32}, {8, 1}}));
}

TEST(FaceTable, UsesEveryVertexFromZeroTo152) {
    std::set<std::uint32_t> used;
    for (const Face& f : OvalFaces()) used.insert(f.begin(), f.end());
    EXPECT_EQ(used.size(), 153u);
    EXPECT_EQ(*used.begin(), 0u);
    EXPECT_EQ(*used.rbegin(), 152u);
}

TEST(FaceTable, EndsWithTheTerminatorRightBehindTheLastLoop) {
    EXPECT_EQ(kFaceTable.size(), 666u);
    EXPECT_EQ(kFaceTable[664], 152);  // face 120 closes on the culet
    EXPECT_EQ(kFaceTable[665], 0xFFFF);
    const std::vector<std::uint16_t> start(kFaceTable.begin(), kFaceTable.begin() + 17);
    EXPECT_EQ(start, (std::vector<std::uint16_t>{0, 7, 6, 5, 4, 3, 2, 1, 0, 0, 1, 8, 0, 1, 2, 9, 1}));
}

struct WrittenFace {
    int index;
    Face loop;
};

TEST(FaceTable, FacesWrittenOutMatch) {
    const WrittenFace written[] = {
        {0, {0, 7, 6, 5, 4, 3, 2, 1}},
        {1, {0, 1, 8}},
        {8, {7, 0, 15}},                        // the last star facet wraps to corner 0
        {9, {0, 8, 16, 15}},                    // crown main at corner 0
        {17, {8, 20, 19, 18, 17, 16}},          // first upper girdle facet
        {32, {15, 16, 79, 78, 77, 76}},
        {33, {16, 17, 81, 80}},                 // first girdle facet
        {96, {79, 16, 80, 143}},
        {97, {144, 80, 81, 82, 83, 84}},        // first lower girdle facet
        {112, {144, 140, 141, 142, 143, 80}},
        {113, {152, 144, 84, 145}},             // first pavilion main
        {120, {152, 151, 140, 144}},
    };
    for (const WrittenFace& w : written) EXPECT_EQ(OvalFaces()[static_cast<std::size_t>(w.index)], w.loop) << "face " << w.index;
}

TEST(FaceTable, ClosesASurfaceWhoseEdgesEachSeparateTwoOppositelyRunningFaces) {
    namespace solid = oval_test::solid;
    EXPECT_TRUE(solid::IsClosed(solid::CollectEdges(OvalFaces())));
}

TEST(ParameterList, NineteenIdentifiersInTheCuttingsOrder) {
    const std::vector<ParameterId> expected = {1,    4136, 10, 4137, 4109, 4138, 4110, 38, 43,  48,
                                               4,    7,    37, 4108, 4106, 4111, 4107, 56, 57};
    EXPECT_EQ(std::vector<ParameterId>(std::begin(kParameterList), std::end(kParameterList)), expected);
}

TEST(DisplayNames, NineOwnParametersHaveThem) {
    const std::map<ParameterId, std::string> names = {
        {4106, "Lower facets depth"}, {4107, "Square table"},      {4108, "Square deviation"},
        {4109, "Total Height %"},     {4110, "TotalHeightFix mm"}, {4111, "Star facets"},
        {4136, "Sec. diameter"},      {4137, "Total Height mm"},   {4138, "TotalHeightFix %"}};
    for (const auto& [id, name] : names) {
        const char* shown = DisplayName(id);
        ASSERT_NE(shown, nullptr) << id;
        EXPECT_EQ(std::string(shown), name) << id;
    }
}

TEST(DisplayNames, StandardAndUnusedIdentifiersHaveNone) {
    for (ParameterId id : {1, 4, 19, 38, 57, 4096, 4105, 4112, 4120, 4135, 4139, -1})
        EXPECT_EQ(DisplayName(id), nullptr) << id;
}

TEST(Identity, NameAndGuidBytes) {
    EXPECT_STREQ(kName, "Lirento.P24C32");
    const std::uint8_t guid[16] = {0x9B, 0x9B, 0x9C, 0xCD, 0xD0, 0x82, 0x83, 0x45,
                                   0xB6, 0xCE, 0x53, 0xE9, 0x12, 0x23, 0x35, 0x36};
    EXPECT_EQ(std::memcmp(kGuid, guid, 16), 0);
}

TEST(Defaults, BlockHoldsTheDefaultStone) {
    const OvalParams& d = kDefaults;
    EXPECT_EQ(d.variant, 1);
    EXPECT_EQ(d.unused, 0);
    EXPECT_EQ(d.diameter, 6.0);
    EXPECT_EQ(d.ratio, 1.2);
    EXPECT_EQ(d.table, 0.6);
    EXPECT_EQ(d.girdle, 0.04);
    EXPECT_EQ(d.lowerFacetsDepth, 0.8);
    EXPECT_EQ(d.culetOffsetX, 0.0);
    EXPECT_EQ(d.culetOffsetY, 0.0);
    EXPECT_EQ(d.squareDeviation, 0.0);
    EXPECT_EQ(d.squareTable, 0.0);
    // Both angles are the literal just under 40 degrees, not 40 degrees itself.
    EXPECT_EQ(d.crownAngle, 0.6981317007976);
    EXPECT_EQ(d.pavilionAngle, 0.6981317007976);
    EXPECT_LT(d.crownAngle, 40.0 * 3.14159265358979323846 / 180.0);
}

}  // namespace
