// Where the construction puts the vertices: the default stone in
// millimetres, and the relations that hold exactly for any parameters.
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

using namespace oval;
using oval_test::Built;
using oval_test::Millimetres;
using oval_test::With;

struct ListedVertex {
    int index;
    double x, y, z;  // mm, three significant digits; 0 stands for "within 1e-9"
};

std::ostream& operator<<(std::ostream& os, const ListedVertex& v) { return os << "vertex " << v.index; }

// Half a unit in the third significant digit of `listed`.
double ThreeDigits(double listed) {
    if (listed == 0.0) return 1e-9;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(listed))) - 2.0);
}

class DefaultStone : public ::testing::TestWithParam<ListedVertex> {};

TEST_P(DefaultStone, VertexInMillimetres) {
    const ListedVertex& v = GetParam();
    const std::vector<double> mm = Millimetres(kDefaults);
    const double* got = &mm[static_cast<std::size_t>(3 * v.index)];
    EXPECT_NEAR(got[0], v.x, ThreeDigits(v.x));
    EXPECT_NEAR(got[1], v.y, ThreeDigits(v.y));
    EXPECT_NEAR(got[2], v.z, ThreeDigits(v.z));
}

INSTANTIATE_TEST_SUITE_P(Listed, DefaultStone,
                         ::testing::Values(ListedVertex{0, 0.0, 1.8, 1.13},          // table corner 0
                                           ListedVertex{2, 2.16, 0.0, 1.13},         // table corner 2
                                           ListedVertex{8, 1.08, 2.17, 0.814},       // star point 8
                                           ListedVertex{16, 0.0, 3.0, 0.12},         // upper main girdle point
                                           ListedVertex{17, 0.353, 2.99, 0.0728},    // upper intermediate
                                           ListedVertex{20, 1.38, 2.77, 0.12},       // upper mid girdle point
                                           ListedVertex{32, 3.6, 0.0, 0.12},         // on the ratio axis
                                           ListedVertex{81, 0.353, 2.99, -0.0823},   // lower intermediate
                                           ListedVertex{144, 0.0, 0.649, -2.13},     // pavilion point
                                           ListedVertex{152, 0.0, 0.0, -2.64}));     // culet

TEST(DefaultStone, AxisPointsSitWhereTheTableAndGirdleSizesSay) {
    const OvalParams& p = kDefaults;
    const std::vector<double> mm = Millimetres(p);
    EXPECT_DOUBLE_EQ(mm[1], p.table * p.diameter / 2);              // table corner 0, y
    EXPECT_DOUBLE_EQ(mm[6], p.table * p.ratio * p.diameter / 2);    // table corner 2, x
    EXPECT_EQ(mm[48], 0.0);                                          // girdle point 16
    EXPECT_EQ(mm[49], p.diameter / 2);
    EXPECT_EQ(mm[50], p.girdle * p.diameter / 2);
    EXPECT_DOUBLE_EQ(mm[96], p.ratio * p.diameter / 2);             // girdle point 32
    EXPECT_NE(mm[97], 0.0);                                          // off the axis by the angle step
    EXPECT_LT(std::fabs(mm[97]), 1e-9 * p.diameter);
}

class ExactRelations : public ::testing::TestWithParam<OvalParams> {};

TEST_P(ExactRelations, TableIsLevelAndMainAndMidGirdlePointsBoundTheBand) {
    const OvalParams& p = GetParam();
    const std::vector<double> mm = Millimetres(p);
    auto z = [&](int v) { return mm[static_cast<std::size_t>(3 * v + 2)]; };
    for (int i = 1; i < 8; ++i) EXPECT_EQ(z(i), z(0)) << "table corner " << i;
    EXPECT_NEAR(z(0), p.diameter * (p.girdle / 2 + (1 - p.table) * std::tan(p.crownAngle) / 2), 1e-14 * p.diameter);
    for (int j = 0; j < 64; j += 4) {
        EXPECT_EQ(z(kUpperGirdle + j), p.girdle * p.diameter / 2) << "upper girdle point " << kUpperGirdle + j;
        EXPECT_EQ(z(kLowerGirdle + j), -p.girdle * p.diameter / 2) << "lower girdle point " << kLowerGirdle + j;
    }
    EXPECT_NEAR(z(kCulet), -p.diameter * (std::tan(p.pavilionAngle) / 2 + p.girdle / 2), 1e-14 * p.diameter);
}

OvalParams Shaped(double ratio, double squareDeviation, double squareTable, double diameter) {
    OvalParams p = kDefaults;
    p.ratio = ratio;
    p.squareDeviation = squareDeviation;
    p.squareTable = squareTable;
    p.diameter = diameter;
    return p;
}

INSTANTIATE_TEST_SUITE_P(Stones, ExactRelations,
                         ::testing::Values(kDefaults, Shaped(1.0, 0.0, 0.0, 1.0), Shaped(1.9, 0.8, 0.3, 7.3),
                                           Shaped(1.4, -0.5, -0.2, 11.0)));

TEST(StarPoints, SquareTableZeroPlacesThemAtTheBasicFractionOfTheCrownCorners) {
    const OvalFrame f = Built(kDefaults);
    EXPECT_EQ(f.starFraction, 1.2071067811865475 * kDefaults.table);
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(f.v[kStarPoint + i].x, f.starFraction * f.crownCorners[i].x, 1e-15) << i;
        EXPECT_NEAR(f.v[kStarPoint + i].y, f.starFraction * f.crownCorners[i].y, 1e-15) << i;
    }
}

TEST(StarPoints, SquareTableOneLaysThemOnTheCrownCornersInTheUpperGirdlePlane) {
    const OvalParams p = With(&OvalParams::squareTable, 1.0);
    const OvalFrame f = Built(p);
    EXPECT_NEAR(f.starFraction, 1.0, 1e-15);
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(f.v[kStarPoint + i].x, f.crownCorners[i].x, 1e-15) << i;
        EXPECT_NEAR(f.v[kStarPoint + i].y, f.crownCorners[i].y, 1e-15) << i;
        EXPECT_NEAR(f.v[kStarPoint + i].z, p.girdle / 2, 1e-15) << i;
    }
    // The crown corner between the mains at girdle points 16 and 24 lies on
    // the tangent y = 1/2 at point 16 (tilted by the angle step's offset):
    // star point 8 at y = diameter/2.
    EXPECT_NEAR(Millimetres(p)[3 * kStarPoint + 1], 3.0, 1e-9 * p.diameter);
}

TEST(StarFraction, LinearOnEachSideOfZero) {
    EXPECT_EQ(StarFraction(0.6, 0.0), 1.2071067811865475 * 0.6);
    EXPECT_NEAR(StarFraction(0.6, 1.0), 1.0, 1e-15);
    EXPECT_NEAR(StarFraction(0.6, -1.0), 0.4, 1e-15);
    EXPECT_NEAR(StarFraction(0.6, 0.5), (StarFraction(0.6, 0.0) + 1.0) / 2, 1e-15);
    EXPECT_NEAR(StarFraction(0.6, -0.5), (StarFraction(0.6, 0.0) + 0.4) / 2, 1e-15);
}

TEST(PavilionPoints, LowerFacetsDepthOneDropsThemOntoTheCulet) {
    const OvalFrame f = Built(With(&OvalParams::lowerFacetsDepth, 1.0, With(&OvalParams::culetOffsetX, 0.05)));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(f.v[kPavilionPoint + i].x, f.v[kCulet].x) << i;
        EXPECT_EQ(f.v[kPavilionPoint + i].y, f.v[kCulet].y) << i;
        EXPECT_EQ(f.v[kPavilionPoint + i].z, f.v[kCulet].z) << i;
    }
}

TEST(PavilionPoints, LowerFacetsDepthZeroPutsThemOnThePavilionCornersInTheLowerGirdlePlane) {
    const OvalParams p = With(&OvalParams::lowerFacetsDepth, 0.0);
    const OvalFrame f = Built(p);
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(f.v[kPavilionPoint + i].x, f.pavilionCorners[i].x, 1e-15) << i;
        EXPECT_NEAR(f.v[kPavilionPoint + i].y, f.pavilionCorners[i].y, 1e-15) << i;
        EXPECT_NEAR(f.v[kPavilionPoint + i].z, -p.girdle / 2, 1e-15) << i;
    }
    // Pavilion point 0 lies toward girdle point 16 (+y), beyond the girdle.
    EXPECT_GT(f.v[kPavilionPoint].y, 0.5);
}

TEST(TableCorners, TableOneSetsThemOnTheirMainGirdlePoints) {
    const OvalFrame f = Built(With(&OvalParams::table, 1.0));
    for (int i = 0; i < 8; ++i) {
        const Vec3& corner = f.v[kTableCorner + i];
        const Vec3& girdle = f.v[kUpperGirdle + 8 * i];
        EXPECT_NEAR(corner.x, girdle.x, 1e-15) << i;
        EXPECT_NEAR(corner.y, girdle.y, 1e-15) << i;
        EXPECT_NEAR(corner.z, girdle.z, 1e-15) << i;
    }
}

// The angle a face makes with the girdle plane, from three of its points.
double Slope(const Vec3& a, const Vec3& b, const Vec3& c) {
    Plane plane;
    PlaneThroughPoints(plane, a, b, c);
    return std::acos(std::fabs(plane.c));
}

TEST(Facets, RoundStoneHasEveryMainAtItsAngle) {
    OvalParams p = kDefaults;
    p.ratio = 1.0;
    p.crownAngle = 0.6;
    p.pavilionAngle = 0.75;
    const OvalFrame f = Built(p);
    for (int i = 0; i < 8; ++i) {
        // Crown main: table corner, star point, main girdle point.
        EXPECT_NEAR(Slope(f.v[i], f.v[kStarPoint + i], f.v[kUpperGirdle + 8 * i]), p.crownAngle, 1e-12) << i;
        // Pavilion main: culet, pavilion point, mid girdle point.
        EXPECT_NEAR(Slope(f.v[kCulet], f.v[kPavilionPoint + i], f.v[kLowerGirdle + 8 * i + 4]), p.pavilionAngle, 1e-12) << i;
    }
}

TEST(Facets, MainsOnTheDiameterAxisKeepTheCrownAngleOnAnyOutline) {
    for (const OvalParams& p : {Shaped(1.7, 0.0, 0.0, 6.0), Shaped(1.3, 0.8, 0.2, 6.0), Shaped(2.0, -0.5, 0.0, 6.0)}) {
        const OvalFrame f = Built(p);
        EXPECT_NEAR(Slope(f.v[0], f.v[kStarPoint], f.v[kUpperGirdle]), p.crownAngle, 1e-12) << p.ratio;
        EXPECT_NEAR(Slope(f.v[4], f.v[kStarPoint + 4], f.v[kUpperGirdle + 32]), p.crownAngle, 1e-12) << p.ratio;
        // The diagonal mains of an elongated ellipse are flatter.
        if (p.squareDeviation == 0.0) {
            EXPECT_LT(Slope(f.v[1], f.v[kStarPoint + 1], f.v[kUpperGirdle + 8]), p.crownAngle);
        }
    }
}

TEST(CuletOffset, MovesOnlyTheCuletThePavilionPointsAndTheLowerIntermediateGirdlePoints) {
    const OvalFrame centred = Built(kDefaults);
    for (const OvalParams& p : {With(&OvalParams::culetOffsetX, 0.05), With(&OvalParams::culetOffsetY, -0.04)}) {
        const OvalFrame moved = Built(p);
        for (int v = 0; v < kVertexCount; ++v) {
            const bool lowerIntermediate = v > kLowerGirdle && v < kPavilionPoint && (v - kLowerGirdle) % 4 != 0;
            const bool shouldMove = lowerIntermediate || v >= kPavilionPoint;
            const Vec3& a = centred.v[v];
            const Vec3& b = moved.v[v];
            const bool same = a.x == b.x && a.y == b.y && a.z == b.z;
            EXPECT_NE(same, shouldMove) << "vertex " << v << ", offset (" << p.culetOffsetX << ", " << p.culetOffsetY << ")";
        }
    }
}

}  // namespace
