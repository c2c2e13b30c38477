// The guarded power and the superellipse outline, and the oval's girdle rows
// built from it.
#include "girdle_outline.hpp"
#include "oval_construction.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

using namespace oval;

constexpr double kUntouched = -12345.678;

struct PowCase {
    double a, b, expected;
};

std::ostream& operator<<(std::ostream& os, const PowCase& c) { return os << c.a << "^" << c.b; }

class PowSafeCases : public ::testing::TestWithParam<PowCase> {};

TEST_P(PowSafeCases, Value) {
    const PowCase& c = GetParam();
    EXPECT_NEAR(PowSafe(c.a, c.b), c.expected, 1e-12 * std::fabs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, PowSafeCases,
                         ::testing::Values(PowCase{0.0, 0.0, 1.0},     // zero exponent first
                                           PowCase{0.0, 3.0, 0.0},     // zero base
                                           PowCase{2.0, 0.0, 1.0},
                                           PowCase{0.5, 2.0, 0.25},
                                           PowCase{1.0, 400.0, 1.0},
                                           PowCase{1e-10, 40.0, 0.0},  // 1e-400 is flushed
                                           PowCase{1e-10, 29.0, 1e-290},  // just above the flush
                                           PowCase{0.25, 0.5, 0.5}));

// Fills the outline with a marker, to see what a call writes.
struct Outline {
    Vec2 points[66];
    Outline() {
        for (Vec2& p : points) p = Vec2{kUntouched, kUntouched};
    }
    bool UntouchedFrom(int first) const {
        for (int i = first; i < 66; ++i)
            if (points[i].x != kUntouched || points[i].y != kUntouched) return false;
        return true;
    }
};

TEST(SuperellipseOutline, RejectsSquarenessOutsideItsRangeWritingNothing) {
    for (double e : {0.995, 1.0, 2.0, -1.0000001, -3.0}) {
        Outline o;
        EXPECT_EQ(SuperellipseOutline(64, 0.0, 0.5, -0.6, e, o.points), 0) << "e = " << e;
        EXPECT_TRUE(o.UntouchedFrom(0)) << "e = " << e;
    }
    EXPECT_EQ(SuperellipseOutline(64, 0.0, 0.5, -0.6, 0.0, nullptr), 0);
}

TEST(SuperellipseOutline, WritesExactlyCountPoints) {
    Outline o;
    EXPECT_EQ(SuperellipseOutline(64, 0.0, 0.5, -0.6, 0.3, o.points), 1);
    EXPECT_TRUE(o.UntouchedFrom(64));
    EXPECT_NE(o.points[63].x, kUntouched);

    Outline none;
    EXPECT_EQ(SuperellipseOutline(0, 0.0, 0.5, -0.6, 0.3, none.points), 1);
    EXPECT_EQ(SuperellipseOutline(-4, 0.0, 0.5, -0.6, 0.3, none.points), 1);
    EXPECT_TRUE(none.UntouchedFrom(0));
}

TEST(SuperellipseOutline, SquarenessZeroIsTheEllipse) {
    Outline o;
    ASSERT_EQ(SuperellipseOutline(64, 0.3, 0.5, -0.6, 0.0, o.points), 1);
    for (int i = 0; i < 64; ++i) {
        const double t = 0.3 + i * (kFullTurn / 64);
        EXPECT_NEAR(o.points[i].x, 0.5 * std::cos(t), 1e-15) << "sample " << i;
        EXPECT_NEAR(o.points[i].y, -0.6 * std::sin(t), 1e-15) << "sample " << i;
    }
}

class OnTheCurve : public ::testing::TestWithParam<double> {};

// Every sample lies on |x/bx|^g + |y/cy|^g = 1 and on the ray through
// (bx·cos t, cy·sin t). At e = -1 the curve is the rhombus through the axis points.
TEST_P(OnTheCurve, EverySampleOnCurveAndRay) {
    const double e = GetParam();
    const double g = 2.0 / (1.0 - e);
    const double bx = 0.5, cy = -0.8;
    Outline o;
    ASSERT_EQ(SuperellipseOutline(64, 0.0, bx, cy, e, o.points), 1);
    for (int i = 0; i < 64; ++i) {
        const Vec2 p = o.points[i];
        const double t = i * (kFullTurn / 64);
        EXPECT_NEAR(std::pow(std::fabs(p.x / bx), g) + std::pow(std::fabs(p.y / cy), g), 1.0, 1e-12) << "sample " << i;
        EXPECT_NEAR(p.x * cy * std::sin(t) - p.y * bx * std::cos(t), 0.0, 1e-15) << "sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Squareness, OnTheCurve, ::testing::Values(-1.0, -0.5, 0.0, 0.5, 0.9, 0.99));

TEST(SuperellipseOutline, NearlySquareOutlineReachesItsFlatSideAtOnce) {
    Outline o;
    ASSERT_EQ(SuperellipseOutline(64, 0.0, 0.5, -0.6, 0.99, o.points), 1);
    EXPECT_EQ(o.points[0].x, 0.5);
    EXPECT_EQ(o.points[0].y, 0.0);
    EXPECT_NEAR(o.points[1].x, 0.5, 1e-15);
    EXPECT_LT(o.points[1].y, 0.0);
}

TEST(OvalGirdle, DefaultGirdleStartsOnTheDiameterAxisAndSitsOffTheRatioAxisByTheAngleStep) {
    OvalFrame f{};
    BuildGirdle(kDefaults, f);
    const Vec3& first = f.U(0);
    EXPECT_EQ(first.x, 0.0);
    EXPECT_EQ(first.y, 0.5);
    EXPECT_EQ(first.z, 0.02);

    // A quarter of 6.283185307 falls short of π/2 by about 4.5e-11.
    const Vec3& quarter = f.U(16);
    EXPECT_NEAR(quarter.x, 0.6, 1e-15);
    EXPECT_NEAR(quarter.y, 0.5 * std::cos(16 * (kFullTurn / 64)), 1e-18);  // libraries differ near π/2
    EXPECT_GT(quarter.y, 2e-11);
    EXPECT_LT(quarter.y, 2.5e-11);
    EXPECT_EQ(quarter.z, 0.02);
}

TEST(OvalGirdle, SamplesRunClockwiseSeenFromAbove) {
    OvalFrame f{};
    BuildGirdle(kDefaults, f);
    EXPECT_NEAR(f.U(32).y, -0.5, 1e-15);
    EXPECT_NEAR(f.U(48).x, -0.6, 1e-15);
    for (int j = 1; j < 16; ++j) {
        EXPECT_GT(f.U(j).x, 0.0) << j;
        EXPECT_GT(f.U(j).y, 0.0) << j;
        EXPECT_GT(f.U(j + 16).x, 0.0) << j + 16;
        EXPECT_LT(f.U(j + 16).y, 0.0) << j + 16;
        EXPECT_LT(f.U(j + 32).x, 0.0) << j + 32;
        EXPECT_LT(f.U(j + 48).x, 0.0) << j + 48;
        EXPECT_GT(f.U(j + 48).y, 0.0) << j + 48;
    }
}

TEST(OvalGirdle, UpperAndLowerRowsShareTheirPlanPositionsAndBoundTheGirdleBand) {
    OvalParams p = kDefaults;
    p.ratio = 1.7;
    p.squareDeviation = 0.6;
    p.girdle = 0.03;
    OvalFrame f{};
    BuildGirdle(p, f);
    const double g = 2.0 / (1.0 - p.squareDeviation);
    for (int j = 0; j < 64; ++j) {
        EXPECT_EQ(f.U(j).x, f.L(j).x) << j;
        EXPECT_EQ(f.U(j).y, f.L(j).y) << j;
        EXPECT_EQ(f.U(j).z, 0.015) << j;
        EXPECT_EQ(f.L(j).z, -0.015) << j;
        // Half-widths: ratio/2 along x, 1/2 along y.
        EXPECT_NEAR(std::pow(std::fabs(f.U(j).x / 0.85), g) + std::pow(std::fabs(f.U(j).y / 0.5), g), 1.0, 1e-12) << j;
    }
}

}  // namespace
