// What the construction does at its limits: a refused outline, parallel
// tangent lines and a girdle facet plane without a z component. Nothing
// fails there; the working storage keeps what it held.
#include "girdle_outline.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

namespace {

using namespace oval;
using oval_test::Built;
using oval_test::With;

class RefusedOutline : public ::testing::TestWithParam<double> {};

TEST_P(RefusedOutline, EveryGirdleStarAndPavilionPointFallsOnTheAxis) {
    const OvalParams p = With(&OvalParams::squareDeviation, GetParam());
    const OvalFrame f = Built(p);
    for (const Vec2& o : f.outline) {
        EXPECT_EQ(o.x, 0.0);
        EXPECT_EQ(o.y, 0.0);
    }
    for (int v = 0; v < kVertexCount; ++v) {
        EXPECT_EQ(f.v[v].x, 0.0) << "vertex " << v;
        EXPECT_EQ(f.v[v].y, 0.0) << "vertex " << v;
    }
    // No girdle facet plane exists, so no girdle point leaves the band's faces.
    for (int j = 0; j < 64; ++j) {
        EXPECT_EQ(f.v[kUpperGirdle + j].z, p.girdle / 2) << j;
        EXPECT_EQ(f.v[kLowerGirdle + j].z, -p.girdle / 2) << j;
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(f.crownCorners[i].x, 0.0);
        EXPECT_EQ(f.crownCorners[i].y, 0.0);
        EXPECT_EQ(f.pavilionCorners[i].x, 0.0);
        EXPECT_EQ(f.pavilionCorners[i].y, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Squareness, RefusedOutline, ::testing::Values(0.995, 1.5, -1.0000001, -4.0));

// The default girdle with two neighbouring tangents made exactly horizontal:
// the ones at main girdle points 0 and 8 (their neighbours 63/1 and 7/9 levelled).
OvalFrame WithParallelCrownTangents() {
    OvalFrame f{};
    BuildGirdle(kDefaults, f);
    f.U(63).y = f.U(1).y;
    f.U(7).y = f.U(8).y;
    f.U(9).y = f.U(8).y;
    return f;
}

TEST(ParallelTangents, LeaveTheirCrownCornerAtTheCentre) {
    OvalFrame f = WithParallelCrownTangents();
    BuildCrownFrame(kDefaults, f);
    EXPECT_EQ(f.crownCorners[0].x, 0.0);
    EXPECT_EQ(f.crownCorners[0].y, 0.0);
    // Their other neighbours still meet them.
    EXPECT_NE(f.crownCorners[1].x, 0.0);
    EXPECT_NE(f.crownCorners[7].x, 0.0);

    // The star point between them hangs straight below the crown apex.
    PlaceStarPoints(kDefaults, 0.0, f);
    EXPECT_EQ(f.S(0).x, 0.0);
    EXPECT_EQ(f.S(0).y, 0.0);
    EXPECT_NE(f.S(1).x, 0.0);
}

TEST(ParallelTangents, LeaveTheirPavilionCornerAtTheCentre) {
    // Tangents at mid girdle points 4 and 12, from neighbours 3/5 and 11/13.
    OvalFrame f{};
    BuildGirdle(kDefaults, f);
    f.U(3).y = f.U(5).y;
    f.U(11).y = f.U(13).y;
    BuildCrown(kDefaults, f);
    BuildPavilion(kDefaults, f);
    EXPECT_EQ(f.pavilionCorners[1].x, 0.0);
    EXPECT_EQ(f.pavilionCorners[1].y, 0.0);
    EXPECT_NE(f.pavilionCorners[2].x, 0.0);
    EXPECT_NE(f.pavilionCorners[0].y, 0.0);
}

TEST(GirdleFacetPlane, WithoutZComponentMovesNoGirdlePoint) {
    OvalFrame f{};
    BuildGirdle(kDefaults, f);
    BuildCrownFrame(kDefaults, f);
    PlaceStarPoints(kDefaults, kDefaults.squareTable, f);
    // Star point 8 straight above main girdle point 16: the plane through
    // girdle points 16 and 20 and the star point is vertical.
    f.S(0) = Vec3{f.U(0).x, f.U(0).y, 0.3};
    OvalFrame before = f;
    CutUpperGirdleFacets(f);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(f.U(j).x, before.U(j).x) << j;
        EXPECT_EQ(f.U(j).y, before.U(j).y) << j;
        EXPECT_EQ(f.U(j).z, before.U(j).z) << j;
    }
    // The next facet, from girdle point 20 to 24 with the same star point, is cut.
    for (int j = 5; j <= 7; ++j) {
        EXPECT_EQ(f.U(j).x, before.U(j).x) << j;
        EXPECT_EQ(f.U(j).y, before.U(j).y) << j;
        EXPECT_LT(f.U(j).z, before.U(j).z) << j;
    }
}

}  // namespace
