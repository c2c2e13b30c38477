// The grader's proportions read off hand-made stones whose answers are known
// in closed form.
#include "fixtures.hpp"
#include "solid/landmarks.hpp"
#include "solid/materials.hpp"
#include "solid/proportions.hpp"
#include "solid/solid.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kTol = 1e-12;

double Deg(double radians) { return radians * 180.0 / std::numbers::pi; }

solid::Solid Build(const fixtures::Mesh& mesh) { return solid::BuildSolid(mesh.faces, mesh.vertices); }

TEST(Landmarks, StepCutTableGirdleAndMains) {
    const solid::Solid s = Build(fixtures::StepCut());
    const solid::Landmarks m = solid::FindLandmarks(s);
    EXPECT_EQ(m.widthAxis, solid::Axis::Y);
    EXPECT_EQ(m.table, 0);
    EXPECT_EQ(m.girdleTop, 0.2);
    EXPECT_EQ(m.girdleBottom, -0.2);
    EXPECT_EQ(m.crownMain, 3);      // the crown face towards +y
    EXPECT_EQ(m.pavilionMain, 11);  // the pavilion face towards +y
}

class StepCutProportions : public ::testing::TestWithParam<bool> {};

// The same stone lying along y instead of x measures the same.
TEST_P(StepCutProportions, MatchTheConstruction) {
    const bool turned = GetParam();
    const fixtures::Mesh mesh = turned ? fixtures::QuarterTurn(fixtures::StepCut()) : fixtures::StepCut();
    const solid::Proportions p = solid::MeasureProportions(Build(mesh), solid::kDiamondDensity);
    EXPECT_NEAR(p.lengthMm, 10.0, kTol);
    EXPECT_NEAR(p.widthMm, 8.0, kTol);
    EXPECT_NEAR(p.depthMm, 5.4, kTol);
    EXPECT_NEAR(p.lengthToWidth, 1.25, kTol);
    EXPECT_NEAR(p.totalDepthPct, 67.5, kTol);
    ASSERT_TRUE(p.tablePct);
    EXPECT_NEAR(*p.tablePct, 62.5, kTol);
    EXPECT_NEAR(p.crownHeightPct, 12.5, kTol);
    EXPECT_NEAR(p.girdleThicknessPct, 5.0, kTol);
    EXPECT_NEAR(p.pavilionDepthPct, 50.0, kTol);
    ASSERT_TRUE(p.crownAngleDeg);
    EXPECT_NEAR(*p.crownAngleDeg, Deg(std::atan2(1.0, 1.5)), 1e-10);
    ASSERT_TRUE(p.pavilionAngleDeg);
    EXPECT_NEAR(*p.pavilionAngleDeg, 45.0, 1e-10);
    EXPECT_NEAR(p.volumeMm3, 575.0 / 3.0, 1e-12 * p.volumeMm3);
    EXPECT_NEAR(p.carats, 575.0 / 3.0 * 3.52 / 200.0, 1e-12 * p.carats);
    EXPECT_TRUE(p.closed);
    EXPECT_TRUE(p.convex);
}

INSTANTIATE_TEST_SUITE_P(Orientations, StepCutProportions, ::testing::Values(false, true));

TEST(Proportions, BlockIsAllGirdleWithNoMains) {
    // The box plug-in's defaults: 6 × 6 × 0.21 mm.
    const double hz = 0.035 * 6.0 * 0.5;
    const solid::Proportions p =
        solid::MeasureProportions(Build(fixtures::Block(3.0, 3.0, hz)), solid::kDiamondDensity);
    EXPECT_DOUBLE_EQ(p.carats, 6.0 * 6.0 * (2 * hz) * 3.52 / 200.0);
    ASSERT_TRUE(p.tablePct);
    EXPECT_NEAR(*p.tablePct, 100.0, kTol);
    EXPECT_NEAR(p.girdleThicknessPct, 3.5, kTol);
    EXPECT_NEAR(p.crownHeightPct, 0.0, kTol);
    EXPECT_NEAR(p.pavilionDepthPct, 0.0, kTol);
    EXPECT_FALSE(p.crownAngleDeg);
    EXPECT_FALSE(p.pavilionAngleDeg);
}

TEST(Proportions, WidthIsTheNarrowerHorizontalExtent) {
    // Tavolet with ratio 0.5 and diameter 10: 10 mm along x, 5 mm along y.
    const solid::Proportions p =
        solid::MeasureProportions(Build(fixtures::Block(5.0, 2.5, 1.0)), 4.0);
    EXPECT_EQ(p.lengthMm, 10.0);
    EXPECT_EQ(p.widthMm, 5.0);
    EXPECT_EQ(p.lengthToWidth, 2.0);
    EXPECT_EQ(p.totalDepthPct, 40.0);
    EXPECT_DOUBLE_EQ(p.carats, 10.0 * 5.0 * 2.0 * 4.0 / 200.0);
}

TEST(Materials, KnownNamesIgnoreCaseAndUnknownOnesAreNone) {
    EXPECT_EQ(solid::DensityOf("diamond"), 3.52);
    EXPECT_EQ(solid::DensityOf("Sapphire"), 4.00);
    EXPECT_EQ(solid::DensityOf("CUBIC-ZIRCONIA"), 5.80);
    EXPECT_FALSE(solid::DensityOf("glass"));
    EXPECT_FALSE(solid::DensityOf(""));
}

}  // namespace
