// The "Star facets" measure and rescaling the crown height through the crown angle.
#include "crown_measures.hpp"
#include "oval_parameters.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using namespace oval;
using oval_test::With;

constexpr double kDegree = 3.14159265358979323846 / 180.0;

TEST(StarFacets, DefaultStoneMeasuresItsOwnSquareTable) {
    EXPECT_NEAR(StarFacetsValue(kDefaults, 2000.0), 0.515, 5e-4);
    EXPECT_EQ(StarFacetsValue(kDefaults, 2000.0), StarFacetsValue(kDefaults, 0.0));
    EXPECT_NEAR(StarFacetsValue(kDefaults, 1.0), 1.18, 5e-3);
    EXPECT_NEAR(StarFacetsValue(kDefaults, -1.0), -0.272, 5e-4);
}

TEST(StarFacets, ThousandAndAboveMeanTheStoredSquareTableBelowItATrialValue) {
    const OvalParams p = With(&OvalParams::squareTable, 0.3);
    EXPECT_EQ(StarFacetsValue(p, 1000.0), StarFacetsValue(p, 0.3));
    EXPECT_EQ(StarFacetsValue(p, 2000.0), StarFacetsValue(p, 0.3));
    // 999.9 is a trial value: the measure goes on linearly above 0.
    const double at0 = StarFacetsValue(p, 0.0), at1 = StarFacetsValue(p, 1.0);
    EXPECT_NEAR(StarFacetsValue(p, 999.9), at0 + 999.9 * (at1 - at0), 1e-9 * 999.9);
}

TEST(StarFacets, LinearInSquareTableOnEachSideOfZero) {
    const double at0 = StarFacetsValue(kDefaults, 0.0);
    EXPECT_NEAR(StarFacetsValue(kDefaults, 0.25), at0 + 0.25 * (StarFacetsValue(kDefaults, 1.0) - at0), 1e-14);
    EXPECT_NEAR(StarFacetsValue(kDefaults, -0.25), at0 + 0.25 * (StarFacetsValue(kDefaults, -1.0) - at0), 1e-14);
}

TEST(StarFacets, OnlyTheOutlineTableAndSquareTableMatter) {
    const OvalParams changed[] = {With(&OvalParams::crownAngle, 0.3), With(&OvalParams::crownAngle, 1.2),
                                  With(&OvalParams::girdle, 0.1), With(&OvalParams::girdle, 0.0),
                                  With(&OvalParams::diameter, 13.0), With(&OvalParams::pavilionAngle, 0.9),
                                  With(&OvalParams::culetOffsetX, 0.2)};
    for (double x : {0.0, 1.0, -1.0, 0.4})
        for (const OvalParams& p : changed) EXPECT_NEAR(StarFacetsValue(p, x), StarFacetsValue(kDefaults, x), 1e-14) << x;
    // ... while squareness and table do.
    EXPECT_GT(std::fabs(StarFacetsValue(With(&OvalParams::squareDeviation, 0.5), 0.0) - StarFacetsValue(kDefaults, 0.0)), 1e-3);
    EXPECT_GT(std::fabs(StarFacetsValue(With(&OvalParams::table, 0.5), 0.0) - StarFacetsValue(kDefaults, 0.0)), 1e-3);
}

double CrownAngleAfterRescale(double factor, OvalParams p = kDefaults) {
    EXPECT_EQ(RescaleCrownHeight(factor, p), 1);
    return p.crownAngle;
}

TEST(RescaleCrownHeight, FactorOneKeepsTheAngle) {
    EXPECT_DOUBLE_EQ(CrownAngleAfterRescale(1.0), kDefaults.crownAngle);
}

TEST(RescaleCrownHeight, HalfAndOnePointSevenOnAFortyDegreeCrown) {
    EXPECT_NEAR(CrownAngleAfterRescale(0.5) / kDegree, 22.8, 0.05);
    EXPECT_NEAR(CrownAngleAfterRescale(1.7) / kDegree, 55.0, 0.05);
}

TEST(RescaleCrownHeight, MultipliesTheCrownHeightAndChangesNothingElse) {
    OvalParams start = kDefaults;
    start.ratio = 1.6;
    start.squareDeviation = 0.5;
    start.table = 0.55;
    for (double k : {0.5, 1.7, 3.0, 0.0, -0.5}) {
        OvalParams p = start;
        ASSERT_EQ(RescaleCrownHeight(k, p), 1);
        EXPECT_NEAR(CrownHeight(p), k * CrownHeight(start), 1e-15) << k;
        EXPECT_NEAR(p.crownAngle, std::atan(k * std::tan(start.crownAngle)), 1e-15) << k;
        p.crownAngle = start.crownAngle;
        EXPECT_EQ(std::memcmp(&p, &start, sizeof p), 0) << k;
    }
}

TEST(RescaleCrownHeight, TableOfOneHasNoSlopeToScaleAndIsRefused) {
    OvalParams p = With(&OvalParams::table, 1.0);
    const OvalParams before = p;
    EXPECT_EQ(RescaleCrownHeight(1.5, p), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

}  // namespace
