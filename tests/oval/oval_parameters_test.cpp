// Reading and writing the oval's parameters by identifier: the fields, the
// derived heights and sizes, the writes that solve back for stored fields,
// their guards, and the writes refused because they would divide by zero.
#include "crown_measures.hpp"
#include "oval_description.hpp"
#include "oval_parameters.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>

namespace {

using namespace oval;
using oval_test::Field;
using oval_test::With;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUntouched = -12345.678;

bool SameBytes(const OvalParams& a, const OvalParams& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

double Read(const OvalParams& p, ParameterId id) {
    double out = kUntouched;
    EXPECT_EQ(ReadParameter(p, id, &out), 1) << "identifier " << id;
    return out;
}

OvalParams Written(ParameterId id, double value, OvalParams p = kDefaults) {
    EXPECT_EQ(WriteParameter(p, id, value), 1) << "identifier " << id;
    return p;
}

// A block whose every field holds a value of its own, so a read or write
// that reaches the wrong field shows.
OvalParams Distinct() {
    return OvalParams{1, 0, 6.5, 1.25, 0.71, 0.58, 0.035, 0.73, 0.77, 0.011, -0.013, 0.21, 0.17};
}

struct FieldId {
    ParameterId id;
    Field field;
};

std::ostream& operator<<(std::ostream& os, const FieldId& f) { return os << "identifier " << f.id; }

class StoredField : public ::testing::TestWithParam<FieldId> {};

TEST_P(StoredField, ReadGivesTheFieldAndWriteStoresAnyValueUnchecked) {
    const FieldId& c = GetParam();
    const OvalParams p = Distinct();
    EXPECT_EQ(Read(p, c.id), p.*c.field);
    for (double v : {1.5, -3.0, 0.0}) {
        OvalParams expected = p;
        expected.*c.field = v;
        EXPECT_TRUE(SameBytes(Written(c.id, v, p), expected)) << v;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StoredField,
    ::testing::Values(FieldId{1, &OvalParams::diameter}, FieldId{4, &OvalParams::pavilionAngle},
                      FieldId{7, &OvalParams::table}, FieldId{10, &OvalParams::ratio},
                      FieldId{37, &OvalParams::girdle}, FieldId{56, &OvalParams::culetOffsetX},
                      FieldId{57, &OvalParams::culetOffsetY}, FieldId{4106, &OvalParams::lowerFacetsDepth},
                      FieldId{4107, &OvalParams::squareTable}, FieldId{4108, &OvalParams::squareDeviation}));

TEST(Read, CrownAngleIsTheField) { EXPECT_EQ(Read(Distinct(), 43), Distinct().crownAngle); }

struct Derived {
    ParameterId id;
    double value;  // with the defaults, to three significant digits
};

std::ostream& operator<<(std::ostream& os, const Derived& d) { return os << "identifier " << d.id; }

class DerivedOfDefaults : public ::testing::TestWithParam<Derived> {};

TEST_P(DerivedOfDefaults, ReadsToThreeDigits) {
    const Derived& d = GetParam();
    EXPECT_NEAR(Read(kDefaults, d.id), d.value, 0.5 * std::pow(10.0, std::floor(std::log10(d.value)) - 2.0));
}

INSTANTIATE_TEST_SUITE_P(Defaults, DerivedOfDefaults,
                         ::testing::Values(Derived{38, 0.168}, Derived{48, 0.420}, Derived{4109, 0.627},
                                           Derived{4110, 0.627}, Derived{4137, 3.76}, Derived{4138, 3.76},
                                           Derived{4136, 7.2}, Derived{4111, 0.515}));

TEST(Read, DerivedValuesFollowTheirDefinitions) {
    const OvalParams p = Distinct();
    const double crown = std::tan(p.crownAngle) * (1 - p.table) / 2;
    const double pavilion = std::tan(p.pavilionAngle) / 2;
    const double total = crown + pavilion + p.girdle;
    EXPECT_NEAR(Read(p, 38), crown, 1e-15);
    EXPECT_NEAR(Read(p, 48), pavilion, 1e-15);
    EXPECT_NEAR(Read(p, 4109), total, 1e-15);
    EXPECT_EQ(Read(p, 4110), Read(p, 4109));
    EXPECT_NEAR(Read(p, 4137), total * p.diameter, 1e-14);
    EXPECT_EQ(Read(p, 4138), Read(p, 4137));
    EXPECT_NEAR(Read(p, 4136), p.ratio * p.diameter, 1e-14);
    EXPECT_EQ(Read(p, 4111), StarFacetsValue(p, p.squareTable));
}

TEST(Read, IdentifierNineteenSucceedsWithoutAValue) {
    double out = kUntouched;
    EXPECT_EQ(ReadParameter(kDefaults, 19, &out), 1);
    EXPECT_EQ(out, kUntouched);
}

TEST(Read, UnknownIdentifiersFailWithoutAValue) {
    for (ParameterId id : {0, 2, 3, 5, 18, 20, 999, 4096, 4105, 4112, 4135, 4139, -1}) {
        double out = kUntouched;
        EXPECT_EQ(ReadParameter(kDefaults, id, &out), 0) << id;
        EXPECT_EQ(out, kUntouched) << id;
    }
}

TEST(Write, IdentifierNineteenAndUnknownIdentifiersFailChangingNothing) {
    for (ParameterId id : {19, 0, 2, 999, 4112, 4135, 4139}) {
        OvalParams p = kDefaults;
        EXPECT_EQ(WriteParameter(p, id, 0.5), 0) << id;
        EXPECT_TRUE(SameBytes(p, kDefaults)) << id;
    }
}

TEST(Write, CrownHeightMovesTheTableKeepingTheAngle) {
    const OvalParams p = Written(38, 0.2);
    EXPECT_NEAR(p.table, 1 - 0.4 / std::tan(kDefaults.crownAngle), 1e-15);
    EXPECT_NEAR(p.table, 0.523, 5e-4);
    EXPECT_EQ(p.crownAngle, kDefaults.crownAngle);
    EXPECT_NEAR(Read(p, 38), 0.2, 1e-15);
}

TEST(Write, CrownAngleMovesTheTableKeepingTheHeight) {
    const OvalParams p = Written(43, 0.6);
    EXPECT_EQ(p.crownAngle, 0.6);
    EXPECT_NEAR(p.table, 0.509, 5e-4);
    EXPECT_NEAR(Read(p, 38), Read(kDefaults, 38), 1e-15);
}

struct Guarded {
    const char* what;
    OvalParams block;
    ParameterId id;
    double value;
};

std::ostream& operator<<(std::ostream& os, const Guarded& g) { return os << g.what; }

class GuardedWrite : public ::testing::TestWithParam<Guarded> {};

TEST_P(GuardedWrite, IsServedButChangesNothing) {
    const Guarded& c = GetParam();
    OvalParams p = c.block;
    EXPECT_EQ(WriteParameter(p, c.id, c.value), 1);
    EXPECT_TRUE(SameBytes(p, c.block));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuardedWrite,
    ::testing::Values(Guarded{"crown angle 0", kDefaults, 43, 0.0}, Guarded{"crown angle 1e-7", kDefaults, 43, 1e-7},
                      Guarded{"crown angle at the guard, 1e-6", kDefaults, 43, 1e-6},
                      Guarded{"negative crown angle", kDefaults, 43, -0.3},
                      Guarded{"NaN crown angle", kDefaults, 43, kNaN},
                      Guarded{"crown height on a flat crown", With(&OvalParams::crownAngle, 0.0), 38, 0.2},
                      Guarded{"crown height on a negative crown", With(&OvalParams::crownAngle, -0.4), 38, 0.2},
                      Guarded{"crown height on a NaN crown", With(&OvalParams::crownAngle, kNaN), 38, 0.2}));

TEST(Write, CrownAngleJustAboveTheGuardIsTaken) {
    EXPECT_EQ(Written(43, 2e-6).crownAngle, 2e-6);
}

TEST(Write, PavilionHeightSetsTheAngle) {
    EXPECT_NEAR(Written(48, 0.5).pavilionAngle, 3.14159265358979323846 / 4, 1e-15);
}

TEST(Write, SecondDiameterSetsTheRatio) {
    EXPECT_NEAR(Written(4136, 9.0).ratio, 1.5, 1e-15);
}

// Writing the total height as a fraction: all three heights scaled by one
// factor, the table and the diameter kept.
TEST(Write, TotalHeightFractionScalesTheHeights) {
    const double total = Read(kDefaults, 4109);
    const double k = 0.7 / total;
    const OvalParams p = Written(4109, 0.7);
    EXPECT_NEAR(p.girdle, 0.04 * k, 1e-15);
    EXPECT_NEAR(p.crownAngle, std::atan(k * std::tan(kDefaults.crownAngle)), 1e-15);
    EXPECT_NEAR(p.pavilionAngle, std::atan(k * std::tan(kDefaults.pavilionAngle)), 1e-15);
    EXPECT_NEAR(p.crownAngle, 0.752, 5e-4);
    EXPECT_NEAR(p.pavilionAngle, 0.752, 5e-4);
    EXPECT_EQ(p.diameter, 6.0);
    EXPECT_EQ(p.table, kDefaults.table);
    EXPECT_NEAR(Read(p, 4109), 0.7, 1e-15);
    EXPECT_NEAR(Read(p, 38), k * Read(kDefaults, 38), 1e-15);
    EXPECT_NEAR(Read(p, 48), k * Read(kDefaults, 48), 1e-15);
}

TEST(Write, TotalHeightMillimetresGivesTheSameBlockAsTheFraction) {
    const OvalParams byFraction = Written(4109, 0.7);
    const OvalParams byMillimetres = Written(4137, 4.2);
    EXPECT_EQ(byMillimetres.diameter, byFraction.diameter);
    EXPECT_NEAR(byMillimetres.girdle, byFraction.girdle, 1e-15);
    EXPECT_NEAR(byMillimetres.crownAngle, byFraction.crownAngle, 1e-15);
    EXPECT_NEAR(byMillimetres.pavilionAngle, byFraction.pavilionAngle, 1e-15);
    EXPECT_NEAR(Read(byMillimetres, 4137), 4.2, 1e-14);
}

TEST(Write, FixedMillimetreTotalScalesTheHeightsAndTheDiameter) {
    const double millimetres = Read(kDefaults, 4137);
    const double k = 0.7 / Read(kDefaults, 4109);
    const OvalParams p = Written(4110, 0.7);
    EXPECT_NEAR(p.diameter, 6.0 / k, 1e-14);
    EXPECT_NEAR(p.diameter, 5.38, 5e-3);
    EXPECT_NEAR(p.girdle, 0.04 * k, 1e-15);
    EXPECT_NEAR(p.crownAngle, std::atan(k * std::tan(kDefaults.crownAngle)), 1e-15);
    EXPECT_NEAR(p.pavilionAngle, std::atan(k * std::tan(kDefaults.pavilionAngle)), 1e-15);
    EXPECT_NEAR(Read(p, 4110), 0.7, 1e-15);
    EXPECT_NEAR(Read(p, 4137), millimetres, 1e-14);
}

TEST(Write, FixedFractionTotalChangesOnlyTheDiameter) {
    const double fraction = Read(kDefaults, 4109);
    const OvalParams p = Written(4138, 4.2);
    EXPECT_NEAR(p.diameter, 4.2 / fraction, 1e-14);
    EXPECT_NEAR(p.diameter, 6.69, 5e-3);
    OvalParams rest = p;
    rest.diameter = kDefaults.diameter;
    EXPECT_TRUE(SameBytes(rest, kDefaults));
    EXPECT_NEAR(Read(p, 4109), fraction, 1e-15);
}

TEST(Write, StarFacetsSolvesForTheSquareTable) {
    for (double target : {0.3, 0.515, 0.6, 0.9, 1.1}) {
        const OvalParams p = Written(4111, target);
        EXPECT_NEAR(Read(p, 4111), target, kSolveTolerance) << target;
        OvalParams rest = p;
        rest.squareTable = kDefaults.squareTable;
        EXPECT_TRUE(SameBytes(rest, kDefaults)) << target;
    }
    EXPECT_NEAR(Written(4111, 0.6).squareTable, 0.127, 5e-4);
}

TEST(Write, StarFacetsBeyondReachStoresTheBound) {
    EXPECT_EQ(Written(4111, 1.3).squareTable, 1.0);
    EXPECT_EQ(Written(4111, -0.5).squareTable, -1.0);
}

OvalParams Flat() {
    OvalParams p = kDefaults;  // no crown, no pavilion, no girdle: total height 0
    p.crownAngle = 0.0;
    p.pavilionAngle = 0.0;
    p.girdle = 0.0;
    return p;
}

struct Refused {
    const char* what;
    OvalParams block;
    ParameterId id;
    double value;
};

std::ostream& operator<<(std::ostream& os, const Refused& r) { return os << r.what; }

class DivisionByZero : public ::testing::TestWithParam<Refused> {};

TEST_P(DivisionByZero, IsRefusedLeavingTheBlockAsItWas) {
    const Refused& c = GetParam();
    OvalParams p = c.block;
    EXPECT_EQ(WriteParameter(p, c.id, c.value), 0);
    EXPECT_TRUE(SameBytes(p, c.block));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DivisionByZero,
    ::testing::Values(Refused{"second diameter at diameter 0", With(&OvalParams::diameter, 0.0), 4136, 7.2},
                      Refused{"total height fraction at total 0", Flat(), 4109, 0.6},
                      Refused{"total height mm at total 0", Flat(), 4137, 3.6},
                      Refused{"total height mm at diameter 0", With(&OvalParams::diameter, 0.0), 4137, 3.6},
                      Refused{"fixed-mm total of 0", kDefaults, 4110, 0.0},
                      Refused{"fixed-mm total at total 0", Flat(), 4110, 0.6},
                      Refused{"fixed-fraction total at total 0", Flat(), 4138, 3.6},
                      Refused{"total height fraction at table 1", With(&OvalParams::table, 1.0), 4109, 0.6},
                      Refused{"total height mm at table 1", With(&OvalParams::table, 1.0), 4137, 3.6},
                      Refused{"fixed-mm total at table 1", With(&OvalParams::table, 1.0), 4110, 0.6}));

TEST(Write, TotalHeightOfZeroIsFiniteAndServed) {
    const OvalParams p = Written(4109, 0.0);
    EXPECT_EQ(p.girdle, 0.0);
    EXPECT_EQ(p.crownAngle, 0.0);
    EXPECT_EQ(p.pavilionAngle, 0.0);
    EXPECT_EQ(p.diameter, 6.0);
}

}  // namespace
