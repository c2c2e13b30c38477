// Plan-view and spatial primitives: their sign rules, their edge cases, and
// that a failed operation leaves its output as it was.
#include "geometry.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <tuple>
#include <utility>

namespace {

using namespace oval;

constexpr double kTight = 1e-15;

// A value no operation computes here, to see whether an output was touched.
constexpr double kUntouched = -12345.678;

TEST(Components, IndexZeroIsXAndAnyOtherIndexReachesTheLastComponent) {
    Vec2 v2{1.0, 2.0};
    EXPECT_EQ(&Vec2Component(v2, 0), &v2.x);
    for (int i : {1, 5, -1}) EXPECT_EQ(&Vec2Component(v2, i), &v2.y) << "index " << i;

    Vec3 v3{1.0, 2.0, 3.0};
    EXPECT_EQ(&Vec3Component(v3, 0), &v3.x);
    EXPECT_EQ(&Vec3Component(v3, 1), &v3.y);
    for (int i : {2, -1, 7}) EXPECT_EQ(&Vec3Component(v3, i), &v3.z) << "index " << i;
}

TEST(Normalize, ScalesToUnitLength) {
    Vec2 v2{3.0, 4.0};
    EXPECT_EQ(Normalize2(v2), 1);
    EXPECT_NEAR(v2.x, 0.6, kTight);
    EXPECT_NEAR(v2.y, 0.8, kTight);

    Vec3 v3{2.0, -3.0, 6.0};
    EXPECT_EQ(Normalize3(v3), 1);
    EXPECT_NEAR(v3.x, 2.0 / 7.0, kTight);
    EXPECT_NEAR(v3.y, -3.0 / 7.0, kTight);
    EXPECT_NEAR(v3.z, 6.0 / 7.0, kTight);
}

TEST(Normalize, ZeroVectorFailsAndStaysZero) {
    Vec2 v2{0.0, 0.0};
    EXPECT_EQ(Normalize2(v2), 0);
    EXPECT_EQ(v2.x, 0.0);
    EXPECT_EQ(v2.y, 0.0);
    Vec3 v3{};
    EXPECT_EQ(Normalize3(v3), 0);
    EXPECT_EQ(v3.x, 0.0);
    EXPECT_EQ(v3.y, 0.0);
    EXPECT_EQ(v3.z, 0.0);
}

TEST(MakeUnit, ZeroStaysZeroWithoutFailing) {
    const Vec2 u2 = MakeUnit2(Vec2{0.0, 0.0});
    EXPECT_EQ(u2.x, 0.0);
    EXPECT_EQ(u2.y, 0.0);
    const Vec3 u3 = MakeUnit3(0.0, 0.0, 0.0);
    EXPECT_EQ(u3.x, 0.0);
    EXPECT_EQ(u3.y, 0.0);
    EXPECT_EQ(u3.z, 0.0);

    const Vec2 v = MakeUnit2(Vec2{0.0, -5.0});
    EXPECT_EQ(v.x, 0.0);
    EXPECT_EQ(v.y, -1.0);
}

TEST(Line3, DirectionBecomesUnitAndPointIsCopied) {
    const Line3 line = Line3FromDirectionPoint(Vec3{0.0, 0.0, 2.0}, Vec3{1.0, -2.0, 3.0});
    EXPECT_EQ(line.direction.z, 1.0);
    EXPECT_EQ(line.point.x, 1.0);
    EXPECT_EQ(line.point.y, -2.0);
    EXPECT_EQ(line.point.z, 3.0);

    const Line3 still = Line3FromDirectionPoint(Vec3{}, Vec3{1.0, 1.0, 1.0});
    EXPECT_EQ(still.direction.x, 0.0);
    EXPECT_EQ(still.direction.y, 0.0);
    EXPECT_EQ(still.direction.z, 0.0);
}

TEST(Matrix3, ColumnsGoDownAndDeterminantFollowsTheRuleOfSarrus) {
    const Matrix3 m = Matrix3FromColumns(Vec3{2.0, 1.0, 1.0}, Vec3{0.0, 3.0, 1.0}, Vec3{1.0, 2.0, 4.0});
    const double rows[9] = {2.0, 0.0, 1.0, 1.0, 3.0, 2.0, 1.0, 1.0, 4.0};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(m.m[i], rows[i]) << "element " << i;
    EXPECT_EQ(Det3(m), 18.0);
    // Swapping two columns flips the sign.
    EXPECT_EQ(Det3(Matrix3FromColumns(Vec3{0.0, 3.0, 1.0}, Vec3{2.0, 1.0, 1.0}, Vec3{1.0, 2.0, 4.0})), -18.0);
}

struct LineCase {
    const char* what;
    Line2 in;
    int result;
    Line2 out;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.what; }

class NormalizeLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(NormalizeLine, FollowsTheSignRule) {
    const LineCase& c = GetParam();
    Line2 line = c.in;
    EXPECT_EQ(NormalizeLine2(line), c.result);
    EXPECT_NEAR(line.a, c.out.a, kTight);
    EXPECT_NEAR(line.b, c.out.b, kTight);
    EXPECT_NEAR(line.c, c.out.c, kTight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeLine,
    ::testing::Values(LineCase{"x axis, normal up", {0.0, 2.0, 0.0}, 1, {0.0, 1.0, 0.0}},
                      LineCase{"x axis, normal down: b made positive", {0.0, -2.0, 0.0}, 1, {0.0, 1.0, 0.0}},
                      LineCase{"y axis: a made positive", {-3.0, 0.0, 0.0}, 1, {1.0, 0.0, 0.0}},
                      LineCase{"through the origin: b decides", {3.0, -4.0, 0.0}, 1, {-0.6, 0.8, 0.0}},
                      LineCase{"off the origin: c made positive", {3.0, 4.0, -10.0}, 1, {-0.6, -0.8, 2.0}},
                      LineCase{"already normalised", {0.6, 0.8, 2.0}, 1, {0.6, 0.8, 2.0}},
                      LineCase{"zero normal: unchanged", {0.0, 0.0, 5.0}, 0, {0.0, 0.0, 5.0}}));

struct PlaneCase {
    const char* what;
    Plane in;
    int result;
    Plane out;
};

std::ostream& operator<<(std::ostream& os, const PlaneCase& c) { return os << c.what; }

class NormalizePlaneRule : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(NormalizePlaneRule, FollowsTheSignRule) {
    const PlaneCase& c = GetParam();
    Plane plane = c.in;
    EXPECT_EQ(NormalizePlane(plane), c.result);
    EXPECT_NEAR(plane.a, c.out.a, kTight);
    EXPECT_NEAR(plane.b, c.out.b, kTight);
    EXPECT_NEAR(plane.c, c.out.c, kTight);
    EXPECT_NEAR(plane.d, c.out.d, kTight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizePlaneRule,
    ::testing::Values(
        PlaneCase{"xy plane, normal down: c made positive", {0.0, 0.0, -5.0, 0.0}, 1, {0.0, 0.0, 1.0, 0.0}},
        PlaneCase{"off the origin: d made positive", {1.0, 2.0, 2.0, -3.0}, 1, {-1.0 / 3, -2.0 / 3, -2.0 / 3, 1.0}},
        PlaneCase{"vertical through the origin: b decides", {0.0, -4.0, 0.0, 0.0}, 1, {0.0, 1.0, 0.0, 0.0}},
        PlaneCase{"yz plane: a decides", {-2.0, 0.0, 0.0, 0.0}, 1, {1.0, 0.0, 0.0, 0.0}},
        PlaneCase{"c decides before b and a", {-1.0, -1.0, -1.0, 0.0}, 1,
                  {1.0 / std::sqrt(3.0), 1.0 / std::sqrt(3.0), 1.0 / std::sqrt(3.0), 0.0}},
        PlaneCase{"zero normal: unchanged", {0.0, 0.0, 0.0, 7.0}, 0, {0.0, 0.0, 0.0, 7.0}}));

// The sign of the deciding coefficient is v/|v|: an infinite or NaN one spoils
// every coefficient, a subnormal one still gives ±1.
TEST(NormalizePlane, SignOfAnInfiniteOrNaNDistanceIsNaNAndOfASubnormalOneIsExact) {
    for (double d : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        Plane plane{0.0, 0.0, 2.0, d};
        EXPECT_EQ(NormalizePlane(plane), 1);
        EXPECT_TRUE(std::isnan(plane.a) && std::isnan(plane.b) && std::isnan(plane.c) && std::isnan(plane.d)) << d;
    }
    Plane plane{0.0, 0.0, 2.0, -5e-324};
    EXPECT_EQ(NormalizePlane(plane), 1);
    EXPECT_EQ(plane.c, -1.0);
    EXPECT_EQ(plane.d, 0.0);  // made positive: 5e-324 / 2 rounds to zero
    Line2 line{0.0, 4.0, -std::numeric_limits<double>::infinity()};
    EXPECT_EQ(NormalizeLine2(line), 1);
    EXPECT_TRUE(std::isnan(line.a) && std::isnan(line.b) && std::isnan(line.c));
}

TEST(LineThroughPoints, HasUnitNormalAndPositiveDistanceWhateverTheOrder) {
    Line2 line;
    LineThroughPoints(line, Vec2{0.0, 1.0}, Vec2{1.0, 1.0});
    EXPECT_NEAR(line.a, 0.0, kTight);
    EXPECT_NEAR(line.b, 1.0, kTight);
    EXPECT_NEAR(line.c, 1.0, kTight);

    const double r = 1.0 / std::sqrt(2.0);
    for (const auto& [p, q] : {std::pair{Vec2{1.0, 0.0}, Vec2{0.0, 1.0}}, std::pair{Vec2{0.0, 1.0}, Vec2{1.0, 0.0}}}) {
        LineThroughPoints(line, p, q);
        EXPECT_NEAR(line.a, r, kTight);
        EXPECT_NEAR(line.b, r, kTight);
        EXPECT_NEAR(line.c, r, kTight);
    }
}

TEST(LineFromDirectionPoint, IsNormalisedThroughThePoint) {
    Line2 line;
    EXPECT_EQ(LineFromDirectionPoint(line, Vec2{1.0, 0.0}, Vec2{0.0, 2.0}), 1);
    EXPECT_NEAR(line.a, 0.0, kTight);
    EXPECT_NEAR(line.b, 1.0, kTight);
    EXPECT_NEAR(line.c, 2.0, kTight);

    EXPECT_EQ(LineFromDirectionPoint(line, Vec2{3.0, 4.0}, Vec2{1.0, 1.0}), 1);
    EXPECT_NEAR(EvalLine2(line, 1.0, 1.0), 0.0, kTight);
    EXPECT_NEAR(EvalLine2(line, 4.0, 5.0), 0.0, kTight);
    EXPECT_NEAR(std::hypot(line.a, line.b), 1.0, kTight);
    EXPECT_GT(line.c, 0.0);
}

TEST(LineFromDirectionPoint, ZeroDirectionFailsLeavingAZeroLine) {
    Line2 line{kUntouched, kUntouched, kUntouched};
    EXPECT_EQ(LineFromDirectionPoint(line, Vec2{0.0, 0.0}, Vec2{1.0, 2.0}), 0);
    EXPECT_EQ(line.a, 0.0);
    EXPECT_EQ(line.b, 0.0);
    EXPECT_EQ(line.c, 0.0);
}

TEST(EvalLine2, GivesSignedDistancePositiveAwayFromTheOrigin) {
    const Line2 y1{0.0, 1.0, 1.0};
    EXPECT_EQ(EvalLine2(y1, 5.0, 3.0), 2.0);
    EXPECT_EQ(EvalLine2(y1, 0.0, 0.0), -1.0);
}

TEST(IntersectLines2, MeetsCrossingLines) {
    Vec2 out{kUntouched, kUntouched};
    EXPECT_EQ(IntersectLines2(Line2{1.0, 0.0, 1.0}, Line2{0.0, 1.0, 2.0}, &out), 1);
    EXPECT_EQ(out.x, 1.0);
    EXPECT_EQ(out.y, 2.0);
}

TEST(IntersectLines2, ParallelLinesFailAndLeaveTheOutputAlone) {
    Vec2 out{kUntouched, kUntouched};
    EXPECT_EQ(IntersectLines2(Line2{1.0, 0.0, 1.0}, Line2{2.0, 0.0, 5.0}, &out), 0);
    EXPECT_EQ(IntersectLines2(Line2{0.0, 0.0, 0.0}, Line2{0.0, 1.0, 1.0}, &out), 0);
    EXPECT_EQ(out.x, kUntouched);
    EXPECT_EQ(out.y, kUntouched);
}

TEST(PlaneThroughPoints, IsNormalisedWithPositiveDistanceWhateverTheOrder) {
    const double r = 1.0 / std::sqrt(3.0);
    const Vec3 p{1.0, 0.0, 0.0}, q{0.0, 1.0, 0.0}, s{0.0, 0.0, 1.0};
    for (const auto& [a, b, c] : {std::tuple{p, q, s}, std::tuple{s, q, p}, std::tuple{q, p, s}}) {
        Plane plane;
        EXPECT_EQ(PlaneThroughPoints(plane, a, b, c), 1);
        EXPECT_NEAR(plane.a, r, kTight);
        EXPECT_NEAR(plane.b, r, kTight);
        EXPECT_NEAR(plane.c, r, kTight);
        EXPECT_NEAR(plane.d, r, kTight);
    }
}

TEST(PlaneThroughPoints, CollinearPointsFailKeepingTheRawZeroNormal) {
    Plane plane{kUntouched, kUntouched, kUntouched, kUntouched};
    EXPECT_EQ(PlaneThroughPoints(plane, Vec3{1.0, 0.0, 0.0}, Vec3{1.0, 1.0, 1.0}, Vec3{1.0, 2.0, 2.0}), 0);
    EXPECT_EQ(plane.a, 0.0);
    EXPECT_EQ(plane.b, 0.0);
    EXPECT_EQ(plane.c, 0.0);
    EXPECT_EQ(plane.d, 0.0);
}

TEST(EvalPlane, GivesSignedDistancePositiveAwayFromTheOrigin) {
    const Plane z2{0.0, 0.0, 1.0, 2.0};
    EXPECT_EQ(EvalPlane(z2, Vec3{7.0, -1.0, 5.0}), 3.0);
    EXPECT_EQ(EvalPlane(z2, Vec3{}), -2.0);
}

TEST(IntersectLinePlane, MovesAlongTheLineOntoThePlane) {
    const Plane z2{0.0, 0.0, 1.0, 2.0};
    Vec3 out{kUntouched, kUntouched, kUntouched};
    EXPECT_EQ(IntersectLinePlane(Line3FromDirectionPoint(Vec3{0.0, 0.0, 1.0}, Vec3{}), z2, &out), 1);
    EXPECT_EQ(out.x, 0.0);
    EXPECT_EQ(out.y, 0.0);
    EXPECT_EQ(out.z, 2.0);

    // A tilted plane, x + y + z = 1, reached from below.
    Plane tilted;
    ASSERT_EQ(PlaneThroughPoints(tilted, Vec3{1.0, 0.0, 0.0}, Vec3{0.0, 1.0, 0.0}, Vec3{0.0, 0.0, 1.0}), 1);
    EXPECT_EQ(IntersectLinePlane(Line3FromDirectionPoint(Vec3{0.0, 0.0, 3.0}, Vec3{0.25, 0.25, -4.0}), tilted, &out), 1);
    EXPECT_NEAR(out.x, 0.25, kTight);
    EXPECT_NEAR(out.y, 0.25, kTight);
    EXPECT_NEAR(out.z, 0.5, 1e-14);
}

TEST(IntersectLinePlane, OutputMayBeTheLinesOwnPoint) {
    Vec3 point{1.0, -1.0, 0.0};
    const Line3 vertical = Line3FromDirectionPoint(Vec3{0.0, 0.0, 1.0}, point);
    EXPECT_EQ(IntersectLinePlane(vertical, Plane{0.0, 0.0, 1.0, 2.0}, &point), 1);
    EXPECT_EQ(point.x, 1.0);
    EXPECT_EQ(point.y, -1.0);
    EXPECT_EQ(point.z, 2.0);
}

TEST(IntersectLinePlane, ParallelLineOrZeroNormalFailsAndLeavesTheOutputAlone) {
    Vec3 out{kUntouched, kUntouched, kUntouched};
    EXPECT_EQ(IntersectLinePlane(Line3FromDirectionPoint(Vec3{1.0, 0.0, 0.0}, Vec3{}), Plane{0.0, 0.0, 1.0, 2.0}, &out), 0);
    EXPECT_EQ(IntersectLinePlane(Line3FromDirectionPoint(Vec3{0.0, 0.0, 1.0}, Vec3{}), Plane{0.0, 0.0, 0.0, 1.0}, &out), 0);
    EXPECT_EQ(out.x, kUntouched);
    EXPECT_EQ(out.y, kUntouched);
    EXPECT_EQ(out.z, kUntouched);
}

}  // namespace
