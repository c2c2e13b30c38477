// The stone as a solid, for the defaults and a spread of accepted parameter
// sets: planar faces wound outward, a closed surface, positive volume, and
// the two mirror symmetries of a centred culet.
#include "mesh_checks.hpp"
#include "oval_check.hpp"
#include "oval_symmetry.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

namespace {

using namespace oval;
using oval_test::Built;
using oval_test::InspectMesh;
using oval_test::MeshReport;
using oval_test::Vertices;

struct Stone {
    const char* what;
    OvalParams p;
    int degenerateFaces;  // faces that collapse by design (pavilion mains on the culet)
};

std::ostream& operator<<(std::ostream& os, const Stone& s) { return os << s.what; }

OvalParams Make(double ratio, double squareDeviation, double squareTable, double table = 0.6,
                double lowerFacetsDepth = 0.8, double culetX = 0.0, double culetY = 0.0) {
    OvalParams p = kDefaults;
    p.ratio = ratio;
    p.squareDeviation = squareDeviation;
    p.squareTable = squareTable;
    p.table = table;
    p.lowerFacetsDepth = lowerFacetsDepth;
    p.culetOffsetX = culetX;
    p.culetOffsetY = culetY;
    return p;
}

OvalParams Proportioned(OvalParams p, double crownAngle, double pavilionAngle, double girdle) {
    p.crownAngle = crownAngle;
    p.pavilionAngle = pavilionAngle;
    p.girdle = girdle;
    return p;
}

const Stone kSpread[] = {
    {"defaults", kDefaults, 0},
    {"round", Make(1.0, 0.0, 0.0), 0},
    {"ratio 1.5", Make(1.5, 0.0, 0.0), 0},
    {"ratio 2", Make(2.0, 0.0, 0.1), 0},
    {"rounded rhombus, squareness -0.5", Make(1.2, -0.5, 0.0), 0},
    {"squareness 0.5", Make(1.3, 0.5, 0.0), 0},
    {"cushion, squareness 0.9", Make(1.3, 0.9, 0.0), 0},
    {"square cushion, ratio 1, squareness 0.9", Make(1.0, 0.9, 0.2), 0},
    {"star points pulled in, square table -0.3", Make(1.2, 0.0, -0.3), 0},
    {"star points pushed out, square table 0.4", Make(1.2, 0.0, 0.4), 0},
    {"pavilion points in the girdle plane", Make(1.4, 0.3, 0.1, 0.6, 0.0), 0},
    {"pavilion points on the culet", Make(1.4, 0.3, 0.1, 0.6, 1.0), 8},
    {"culet off centre", Make(1.2, 0.0, 0.0, 0.6, 0.8, 0.1, -0.05), 0},
    {"culet off centre, long cushion", Proportioned(Make(1.8, 0.6, 0.1, 0.55, 0.6, -0.15, 0.08), kDefaultAngle, kDefaultAngle, 0.05), 0},
    {"small table, steep crown", Proportioned(Make(1.6, 0.2, 0.3, 0.45), 0.8, 0.75, 0.035), 0},
    {"large table, flat crown, deep pavilion", Proportioned(Make(1.1, -0.3, -0.2, 0.68), 0.5, 0.9, 0.05), 0},
};

bool CuletCentred(const OvalParams& p) { return p.culetOffsetX == 0.0 && p.culetOffsetY == 0.0; }

class Solid : public ::testing::TestWithParam<Stone> {};

TEST_P(Solid, IsAcceptedClosedAndWoundOutward) {
    const Stone& s = GetParam();
    ASSERT_EQ(CheckOval(s.p), 1) << "the spread holds accepted stones only";
    const OvalFrame f = Built(s.p);
    const MeshReport r = InspectMesh(Vertices(f), 1e-14);
    EXPECT_TRUE(r.allFinite);
    EXPECT_TRUE(r.closed);
    EXPECT_GT(r.volume, 0.0);
    EXPECT_EQ(r.inwardFaces, std::vector<int>{});
    EXPECT_EQ(static_cast<int>(r.degenerateFaces.size()), s.degenerateFaces);
}

INSTANTIATE_TEST_SUITE_P(Spread, Solid, ::testing::ValuesIn(kSpread));

TEST(DefaultSolid, WindsOnceAroundItsCentreAndNotAroundPointsOutside) {
    const auto stone = oval_test::OvalSolid(Vertices(Built(kDefaults)));
    EXPECT_EQ(oval_test::WindingNumber(stone, {0.0, 0.0, 0.0}), 1);
    EXPECT_EQ(oval_test::WindingNumber(stone, {0.0, 0.0, -0.4}), 1);   // just above the culet
    EXPECT_EQ(oval_test::WindingNumber(stone, {0.0, 0.0, -0.5}), 0);   // below it
    EXPECT_EQ(oval_test::WindingNumber(stone, {0.0, 0.52, 0.0}), 0);   // beside the girdle
    EXPECT_EQ(oval_test::WindingNumber(stone, {0.0, 0.0, 0.2}), 0);    // above the table
}

// Every face flat to 1e-12 of the diameter, and a centred culet mirrored in
// both axes to 1e-9; the largest deviations over the spread are recorded.
TEST(SolidSpread, FacesAreFlatAndCentredStonesMirrorInBothAxes) {
    double planarity = 0.0, symmetry = 0.0;
    std::string worstPlanar, worstSymmetric;
    for (const Stone& s : kSpread) {
        const OvalFrame f = Built(s.p);
        const MeshReport r = InspectMesh(Vertices(f), 1e-14);
        if (r.maxNonPlanarity >= planarity) {
            planarity = r.maxNonPlanarity;
            worstPlanar = std::string(s.what) + ", face " + std::to_string(r.worstFace);
        }
        if (CuletCentred(s.p)) {
            const double e = std::max(oval_test::MirrorErrorX(Vertices(f)), oval_test::MirrorErrorY(Vertices(f)));
            if (e >= symmetry) {
                symmetry = e;
                worstSymmetric = s.what;
            }
        }
    }
    ::testing::Test::RecordProperty("largest_non_planarity", std::to_string(planarity));
    ::testing::Test::RecordProperty("largest_symmetry_error", std::to_string(symmetry));
    std::printf("spread of %zu stones: largest non-planarity %.3g (%s), largest mirror error %.3g (%s)\n",
                std::size(kSpread), planarity, worstPlanar.c_str(), symmetry, worstSymmetric.c_str());
    EXPECT_LE(planarity, 1e-12) << worstPlanar;
    EXPECT_LE(symmetry, 1e-9) << worstSymmetric;
}

}  // namespace
