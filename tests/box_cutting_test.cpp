// The box cutting's own behaviour: geometry, validity rules, parameter access.
#include "box_cutting.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using box::BoxParams;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(BoxVertices, DefaultsSpanSixBySixByPointTwoOne) {
    double v[24];
    box::BuildBoxVertices(box::kDefaults, v);
    EXPECT_DOUBLE_EQ(v[0], -3.0);
    EXPECT_DOUBLE_EQ(v[1], 3.0);
    EXPECT_DOUBLE_EQ(v[2], 0.105);
    EXPECT_DOUBLE_EQ(v[18], 3.0);  // vertex 6
    EXPECT_DOUBLE_EQ(v[19], -3.0);
    EXPECT_DOUBLE_EQ(v[20], -0.105);
}

TEST(BoxVertices, ExtentsFollowDiameterRatioGirdle) {
    BoxParams p = box::kDefaults;
    p.diameter = 10.0;
    p.ratio = 0.5;
    p.girdle = 0.2;
    double v[24];
    box::BuildBoxVertices(p, v);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(std::fabs(v[3 * i + 0]), 5.0) << "vertex " << i;
        EXPECT_EQ(std::fabs(v[3 * i + 1]), 2.5) << "vertex " << i;
        EXPECT_EQ(std::fabs(v[3 * i + 2]), 1.0) << "vertex " << i;
    }
}

struct CheckCase {
    const char* what;
    int32_t variant;
    double diameter, girdle, ratio;
    int32_t expected;
};

class BoxCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(BoxCheck, Verdict) {
    const CheckCase& c = GetParam();
    BoxParams p{c.variant, 0, c.diameter, c.girdle, c.ratio};
    EXPECT_EQ(box::CheckBox(p), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, BoxCheck,
    ::testing::Values(CheckCase{"defaults", 1, 6.0, 0.035, 1.0, 1},
                      CheckCase{"diameter exactly 0.001", 1, 0.001, 0.035, 1.0, 0},
                      CheckCase{"diameter 0.0011", 1, 0.0011, 0.035, 1.0, 1},
                      CheckCase{"ratio 0", 1, 6.0, 0.035, 0.0, 0},
                      CheckCase{"ratio negative", 1, 6.0, 0.035, -1.0, 0},
                      CheckCase{"girdle 0", 1, 6.0, 0.0, 1.0, 0},
                      CheckCase{"girdle negative", 1, 6.0, -0.1, 1.0, 0},
                      CheckCase{"variant 2", 2, 6.0, 0.035, 1.0, 0},
                      CheckCase{"variant 0", 0, 6.0, 0.035, 1.0, 1},
                      CheckCase{"variant -1", -1, 6.0, 0.035, 1.0, 1},
                      CheckCase{"no upper bound", 1, 1e300, 1e300, 1e300, 1},
                      // Non-finite extents are refused: a NaN box is not buildable.
                      CheckCase{"NaN diameter", 1, kNaN, 0.035, 1.0, 0},
                      CheckCase{"NaN ratio", 1, 6.0, 0.035, kNaN, 0},
                      CheckCase{"NaN girdle", 1, 6.0, kNaN, 1.0, 0},
                      CheckCase{"infinite diameter", 1, kInf, 0.035, 1.0, 0},
                      CheckCase{"infinite ratio", 1, 6.0, 0.035, kInf, 0},
                      CheckCase{"infinite girdle", 1, 6.0, kInf, 1.0, 0}));

TEST(BoxParameters, ReadWriteServesOnlyDiameterGirdleRatio) {
    BoxParams p = box::kDefaults;
    EXPECT_EQ(box::WriteBoxParameter(p, ParameterDiameter, 7.5), 1);
    EXPECT_EQ(box::WriteBoxParameter(p, ParameterGirdle, -2.0), 1);  // unchecked
    EXPECT_EQ(box::WriteBoxParameter(p, ParameterRatio, 0.25), 1);
    double out = 42.0;
    EXPECT_EQ(box::ReadBoxParameter(p, ParameterDiameter, &out), 1);
    EXPECT_EQ(out, 7.5);
    EXPECT_EQ(box::ReadBoxParameter(p, ParameterGirdle, &out), 1);
    EXPECT_EQ(out, -2.0);
    EXPECT_EQ(box::ReadBoxParameter(p, ParameterRatio, &out), 1);
    EXPECT_EQ(out, 0.25);

    const BoxParams before = p;
    out = 42.0;
    EXPECT_EQ(box::ReadBoxParameter(p, ParameterTable, &out), 0);
    EXPECT_EQ(out, 42.0);
    EXPECT_EQ(box::WriteBoxParameter(p, ParameterTable, 0.5), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

}  // namespace
