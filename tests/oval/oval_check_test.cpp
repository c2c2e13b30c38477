// Whether a parameter set is a proper stone: every range check on both sides
// of its limit, non-finite fields, the star tests at the two star points
// beside the diameter axis and the girdle-thickness test.
#include "oval_check.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>

namespace {

using namespace oval;
using oval_test::Built;
using oval_test::Field;
using oval_test::With;

constexpr double kDegree = 3.14159265358979323846 / 180.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kAnyGeometry = -1;

struct Verdict {
    const char* what;
    OvalParams p;
    int accepted;
    // What the geometric tests alone say: 100 or 0 where it tells which
    // stage rejects, kAnyGeometry where both would.
    int geometry;
};

std::ostream& operator<<(std::ostream& os, const Verdict& v) { return os << v.what; }

OvalParams Two(Field a, double va, Field b, double vb) { return With(b, vb, With(a, va)); }

class Boundary : public ::testing::TestWithParam<Verdict> {};

TEST_P(Boundary, Verdict) {
    const Verdict& c = GetParam();
    EXPECT_EQ(CheckOval(c.p), c.accepted);
    if (c.geometry != kAnyGeometry) {
        EXPECT_EQ(CheckOvalGeometry(c.p), c.geometry);
    }
}

// Rejections by a range check show a geometry the geometric tests would
// pass; rejections by the star or girdle tests show them failing.
INSTANTIATE_TEST_SUITE_P(
    RangeChecks, Boundary,
    ::testing::Values(
        Verdict{"defaults", kDefaults, 1, 100},
        Verdict{"pavilion angle 3 degrees as stored", With(&OvalParams::pavilionAngle, 0.052359877559819995), 1, 100},
        Verdict{"pavilion angle pi/60", With(&OvalParams::pavilionAngle, 0.05235987755982989), 1, 100},
        Verdict{"pavilion angle 0.0523", With(&OvalParams::pavilionAngle, 0.0523), 0, 100},
        Verdict{"lower facets depth 0", With(&OvalParams::lowerFacetsDepth, 0.0), 1, 100},
        Verdict{"lower facets depth 1", With(&OvalParams::lowerFacetsDepth, 1.0), 1, 100},
        Verdict{"lower facets depth -0.01", With(&OvalParams::lowerFacetsDepth, -0.01), 0, kAnyGeometry},
        Verdict{"lower facets depth 1.01", With(&OvalParams::lowerFacetsDepth, 1.01), 0, kAnyGeometry},
        Verdict{"girdle -0.01", With(&OvalParams::girdle, -0.01), 0, 0},
        Verdict{"table 0.01", With(&OvalParams::table, 0.01), 1, 100},
        Verdict{"table 0.0099", With(&OvalParams::table, 0.0099), 0, 100},
        Verdict{"table 1", With(&OvalParams::table, 1.0), 0, kAnyGeometry},
        Verdict{"ratio 0.5", With(&OvalParams::ratio, 0.5), 1, 100},
        Verdict{"ratio 0.4999", With(&OvalParams::ratio, 0.4999), 0, 100},
        Verdict{"ratio 3, no upper bound", With(&OvalParams::ratio, 3.0), 1, 100},
        Verdict{"diameter 0", With(&OvalParams::diameter, 0.0), 0, 100},
        Verdict{"diameter -6", With(&OvalParams::diameter, -6.0), 0, 100},
        Verdict{"diameter 1e-9", With(&OvalParams::diameter, 1e-9), 1, 100},
        Verdict{"diameter 1e6, no upper bound", With(&OvalParams::diameter, 1e6), 1, 100},
        Verdict{"crown angle 0", With(&OvalParams::crownAngle, 0.0), 0, kAnyGeometry},
        Verdict{"crown angle pi/2", With(&OvalParams::crownAngle, 1.5707963267948966), 0, kAnyGeometry},
        Verdict{"crown angle 10 degrees", With(&OvalParams::crownAngle, 10 * kDegree), 1, 100},
        Verdict{"square deviation 0.995, out of the outline's range", With(&OvalParams::squareDeviation, 0.995), 0, 100},
        Verdict{"square deviation 2", With(&OvalParams::squareDeviation, 2.0), 0, 100},
        Verdict{"square deviation just below -1", With(&OvalParams::squareDeviation, -1.0000001), 0, 100},
        Verdict{"culet offset x 0.4", With(&OvalParams::culetOffsetX, 0.4), 1, 100},
        Verdict{"culet offset y -0.3", With(&OvalParams::culetOffsetY, -0.3), 1, 100}));

INSTANTIATE_TEST_SUITE_P(
    StarPoints, Boundary,
    ::testing::Values(
        Verdict{"table 0.7", With(&OvalParams::table, 0.7), 1, 100},
        Verdict{"table 0.75: star point 8 outside the girdle chord", With(&OvalParams::table, 0.75), 0, 0},
        Verdict{"square table 0.3", With(&OvalParams::squareTable, 0.3), 1, 100},
        Verdict{"square table 0.5: star points outside the girdle", With(&OvalParams::squareTable, 0.5), 0, 0},
        Verdict{"square table 1: star points on the crown corners", With(&OvalParams::squareTable, 1.0), 0, 0},
        Verdict{"square table -0.38", With(&OvalParams::squareTable, -0.38), 1, 100},
        Verdict{"square table -0.39: star points above the table", With(&OvalParams::squareTable, -0.39), 0, 100},
        Verdict{"square table -0.5", With(&OvalParams::squareTable, -0.5), 0, 100},
        Verdict{"square table -1", With(&OvalParams::squareTable, -1.0), 0, 100}));

INSTANTIATE_TEST_SUITE_P(
    GirdleThickness, Boundary,
    ::testing::Values(Verdict{"girdle 0.02", With(&OvalParams::girdle, 0.02), 1, 100},
                      Verdict{"girdle 0.015", With(&OvalParams::girdle, 0.015), 0, 0},
                      Verdict{"girdle 0.001", With(&OvalParams::girdle, 0.001), 0, 0},
                      Verdict{"girdle 1e-6", With(&OvalParams::girdle, 1e-6), 0, 0},
                      Verdict{"girdle 0", With(&OvalParams::girdle, 0.0), 0, 0},
                      Verdict{"crown angle 89 degrees", With(&OvalParams::crownAngle, 89 * kDegree), 0, 0},
                      Verdict{"square deviation 0.5, square table 0.4, ratio 1.6",
                              With(&OvalParams::ratio, 1.6, Two(&OvalParams::squareDeviation, 0.5, &OvalParams::squareTable, 0.4)), 0, 0},
                      Verdict{"culet offset x 1", With(&OvalParams::culetOffsetX, 1.0), 0, 0}));

TEST(Variant, OnlyValuesAboveOneAreRejected) {
    for (int32_t variant : {1, 0, -5, std::numeric_limits<int32_t>::min()}) {
        OvalParams p = kDefaults;
        p.variant = variant;
        EXPECT_EQ(CheckOval(p), 1) << variant;
    }
    for (int32_t variant : {2, std::numeric_limits<int32_t>::max()}) {
        OvalParams p = kDefaults;
        p.variant = variant;
        EXPECT_EQ(CheckOval(p), 0) << variant;
    }
}

struct NamedField {
    const char* name;
    Field field;
};

class NonFinite : public ::testing::TestWithParam<std::tuple<NamedField, double>> {};

TEST_P(NonFinite, AnyFieldRejects) {
    const auto& [field, value] = GetParam();
    EXPECT_EQ(CheckOval(With(field.field, value)), 0) << field.name << " = " << value;
}

INSTANTIATE_TEST_SUITE_P(
    EveryField, NonFinite,
    ::testing::Combine(::testing::Values(NamedField{"diameter", &OvalParams::diameter}, NamedField{"ratio", &OvalParams::ratio},
                                         NamedField{"crownAngle", &OvalParams::crownAngle}, NamedField{"table", &OvalParams::table},
                                         NamedField{"girdle", &OvalParams::girdle},
                                         NamedField{"pavilionAngle", &OvalParams::pavilionAngle},
                                         NamedField{"lowerFacetsDepth", &OvalParams::lowerFacetsDepth},
                                         NamedField{"culetOffsetX", &OvalParams::culetOffsetX},
                                         NamedField{"culetOffsetY", &OvalParams::culetOffsetY},
                                         NamedField{"squareDeviation", &OvalParams::squareDeviation},
                                         NamedField{"squareTable", &OvalParams::squareTable}),
                       ::testing::Values(kNaN, kInf, -kInf)),
    [](const ::testing::TestParamInfo<NonFinite::ParamType>& param) {
        const double v = std::get<1>(param.param);
        return std::string(std::get<0>(param.param).name) + (std::isnan(v) ? "NaN" : v > 0 ? "PlusInf" : "MinusInf");
    });

// The first girdle sample where the band is thinner than the check demands.
int FirstThinSample(const OvalParams& p) {
    const OvalFrame f = Built(p);
    for (int j = 0; j < 64; ++j)
        if (f.v[kLowerGirdle + j].z + kMinGirdleThickness > f.v[kUpperGirdle + j].z) return j;
    return -1;
}

TEST(GirdleTest, CatchesTheFirstSampleWhereTheBandIsCutThrough) {
    EXPECT_EQ(FirstThinSample(kDefaults), -1);
    EXPECT_EQ(FirstThinSample(With(&OvalParams::girdle, 0.015)), 2);
    EXPECT_EQ(FirstThinSample(With(&OvalParams::girdle, 5e-7)), 0);
    EXPECT_EQ(FirstThinSample(With(&OvalParams::crownAngle, 89 * kDegree)), 1);
    // Upper girdle point 22 ends below lower girdle point 86.
    const OvalParams p = With(&OvalParams::ratio, 1.6, Two(&OvalParams::squareDeviation, 0.5, &OvalParams::squareTable, 0.4));
    EXPECT_EQ(FirstThinSample(p), 6);
    const OvalFrame f = Built(p);
    EXPECT_LT(f.v[22].z, f.v[86].z);
}

// How far star point 8 (or 15) stands outside the vertical plane through the
// girdle chord from main girdle point 16 to 24 (or 72).
double BeyondChord(const OvalParams& p, int star, int chordEnd) {
    const OvalFrame f = Built(p);
    Plane plane;
    PlaneThroughPoints(plane, f.v[kUpperGirdle], f.v[chordEnd], f.v[chordEnd + (kLowerGirdle - kUpperGirdle)]);
    return EvalPlane(plane, f.v[star]);
}

TEST(StarTest, TableBeyondSevenTenthsPushesBothStarPointsBesideTheAxisOutsideTheirChords) {
    for (int side : {0, 1}) {
        const int star = side == 0 ? kStarPoint : kStarPoint + 7;
        const int chordEnd = side == 0 ? kUpperGirdle + 8 : kUpperGirdle + 56;
        EXPECT_LT(BeyondChord(With(&OvalParams::table, 0.7), star, chordEnd), 0.0) << star;
        EXPECT_GT(BeyondChord(With(&OvalParams::table, 0.75), star, chordEnd), 0.0) << star;
        // With the girdle at thickness 0.015 the star test still passes; it is the girdle test that rejects.
        EXPECT_LT(BeyondChord(With(&OvalParams::girdle, 0.015), star, chordEnd), 0.0) << star;
    }
}

}  // namespace
