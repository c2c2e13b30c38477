// Parameter sets the check accepts although the construction gives no proper
// stone from them. Each pins down what the construction does there and that
// the check, as it stands, accepts the result anyway: if the check is ever
// made stricter, these tests say which known case it now refuses.
#include "mesh_checks.hpp"
#include "oval_check.hpp"
#include "oval_symmetry.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace oval;
using oval_test::Built;
using oval_test::InspectMesh;
using oval_test::MeshReport;
using oval_test::Vertices;
using oval_test::With;

double MirrorError(const OvalFrame& f) {
    return std::max(oval_test::MirrorErrorX(Vertices(f)), oval_test::MirrorErrorY(Vertices(f)));
}

// Squareness 0.97: the mid girdle points 4, 12, 20, ... and their neighbours
// lie on the outline's flat sides, so the pavilion tangents at two mid points
// of one side come out exactly parallel.
const OvalParams kNearlyRectangular = With(&OvalParams::squareDeviation, 0.97);

TEST(NearlyRectangularOutline, LeavesThePavilionCornersOnTheFlatSidesAtTheCentre) {
    const OvalFrame f = Built(kNearlyRectangular);
    for (int i : {0, 2, 4, 6}) {
        EXPECT_EQ(f.pavilionCorners[i].x, 0.0) << i;
        EXPECT_EQ(f.pavilionCorners[i].y, 0.0) << i;
    }
    for (int i : {1, 3, 5, 7}) EXPECT_NE(f.pavilionCorners[i].x, 0.0) << i;
}

TEST(NearlyRectangularOutline, IsAcceptedThoughAPavilionMainIsOffItsPlane) {
    const MeshReport r = InspectMesh(Vertices(Built(kNearlyRectangular)), 1e-14);
    EXPECT_EQ(CheckOval(kNearlyRectangular), 1);
    EXPECT_GT(r.maxNonPlanarity, 1e-3);
    EXPECT_GE(r.worstFace, 113) << "a pavilion main";
}

// Squareness 0.96: the same tangents are not yet exactly parallel, and their
// corners, found from nearly parallel lines, slide along the flat sides.
const OvalParams kAlmostParallel = With(&OvalParams::squareDeviation, 0.96);

TEST(AlmostParallelPavilionTangents, StillGiveFlatFaces) {
    const MeshReport r = InspectMesh(Vertices(Built(kAlmostParallel)), 1e-14);
    EXPECT_LE(r.maxNonPlanarity, 1e-12);
    EXPECT_EQ(r.inwardFaces, std::vector<int>{});
}

TEST(AlmostParallelPavilionTangents, AreAcceptedThoughTheCentredStoneIsLopsided) {
    EXPECT_EQ(CheckOval(kAlmostParallel), 1);
    EXPECT_GT(MirrorError(Built(kAlmostParallel)), 1e-3);
}

// Squareness -1: the outline is a rhombus, neighbouring tangents on one of
// its sides coincide and the corners between them depend on the last bits.
const OvalParams kRhombus = With(&OvalParams::squareDeviation, -1.0);

// No particular result is required here; this records what comes out.
TEST(RhombusOutline, IsAcceptedThoughFacesCollapseAndBend) {
    const OvalFrame f = Built(kRhombus);
    const MeshReport r = InspectMesh(Vertices(f), 1e-14);
    EXPECT_EQ(CheckOval(kRhombus), 1);
    EXPECT_GT(r.maxNonPlanarity, 1e-4);
    EXPECT_GT(MirrorError(f), 1e-2);
    EXPECT_NE(r.degenerateFaces, std::vector<int>{});
}

// Lower facets depth just below 0.0761205: pavilion point 144 stands almost
// straight below lower girdle point 80, the lower girdle facets through it
// and the girdle points beside 80 are nearly vertical, and the girdle points
// moved onto them are thrown far down.
const OvalParams kSteepLowerGirdleFacets = With(&OvalParams::lowerFacetsDepth, 0.0761);

TEST(SteepLowerGirdleFacets, HangTheirPavilionPointAlmostBelowTheGirdle) {
    const OvalFrame f = Built(kSteepLowerGirdleFacets);
    const Vec3& pavilion = f.v[kPavilionPoint];
    const Vec3& girdle = f.v[kLowerGirdle];
    EXPECT_LT(std::hypot(pavilion.x - girdle.x, pavilion.y - girdle.y), 1e-4);
    EXPECT_LT(f.v[kLowerGirdle + 1].z, f.v[kCulet].z);
}

TEST(SteepLowerGirdleFacets, AreAcceptedThoughGirdlePointsHangFarBelowTheCulet) {
    const OvalFrame f = Built(kSteepLowerGirdleFacets);
    int lowest = kCulet;
    for (int v = 0; v < kVertexCount; ++v)
        if (f.v[v].z < f.v[lowest].z) lowest = v;
    EXPECT_EQ(CheckOval(kSteepLowerGirdleFacets), 1);
    EXPECT_GT(lowest, kLowerGirdle);
    EXPECT_LT(lowest, kPavilionPoint) << "a lower girdle point";
    EXPECT_LT(f.v[lowest].z, 10.0 * f.v[kCulet].z) << "ten times the pavilion's depth and more";
}

}  // namespace
