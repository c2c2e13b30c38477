// Values typed by the user, with and without units, and how they are shown.
#include "core/errors.hpp"
#include "core/units.hpp"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using cutting::host::FormatInUserUnit;
using cutting::host::InputError;
using cutting::host::ParseValue;
using cutting::host::Unit;

constexpr double kDegree = std::numbers::pi / 180.0;

struct Parsed {
    const char* token;
    Unit unit;
    double stored;
};

class ValueParsing : public ::testing::TestWithParam<Parsed> {};

TEST_P(ValueParsing, GivesTheValueInThePluginsUnit) {
    const Parsed& c = GetParam();
    EXPECT_NEAR(ParseValue(c.token, c.unit), c.stored, 1e-15) << c.token;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ValueParsing,
    ::testing::Values(Parsed{"40deg", Unit::Angle, 40 * kDegree}, Parsed{"40 deg", Unit::Angle, 40 * kDegree},
                      Parsed{"40\xC2\xB0", Unit::Angle, 40 * kDegree}, Parsed{"0.7rad", Unit::Angle, 0.7},
                      Parsed{"0.7", Unit::Angle, 0.7}, Parsed{"60%", Unit::Fraction, 0.6},
                      Parsed{"0.6", Unit::Fraction, 0.6}, Parsed{"6mm", Unit::Millimetre, 6.0},
                      Parsed{"6", Unit::Millimetre, 6.0}, Parsed{"+1.5", Unit::Ratio, 1.5},
                      Parsed{"-0.25", Unit::Plain, -0.25}, Parsed{"1e-3mm", Unit::Millimetre, 0.001},
                      Parsed{" 7.2 ", Unit::Millimetre, 7.2}));

struct Malformed {
    const char* token;
    Unit unit;
    const char* why;
};

class MalformedValue : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedValue, IsRefusedNamingTheToken) {
    const Malformed& c = GetParam();
    try {
        ParseValue(c.token, c.unit);
        FAIL() << "'" << c.token << "' was accepted";
    } catch (const InputError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(std::string("'") + c.token + "'"), std::string::npos) << message;
        EXPECT_NE(message.find(c.why), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, MalformedValue,
    ::testing::Values(Malformed{"", Unit::Millimetre, "empty"}, Malformed{"abc", Unit::Millimetre, "not a number"},
                      Malformed{"1.2.3", Unit::Ratio, "not a number"}, Malformed{"12x", Unit::Millimetre, "not a number"},
                      Malformed{"40 degrees", Unit::Angle, "not a number"}, Malformed{"%", Unit::Fraction, "no number"},
                      Malformed{"6mm", Unit::Fraction, "does not fit"}, Malformed{"60%", Unit::Angle, "does not fit"},
                      Malformed{"40deg", Unit::Millimetre, "does not fit"}, Malformed{"nan", Unit::Ratio, "finite"},
                      Malformed{"inf", Unit::Millimetre, "finite"}, Malformed{"1e999", Unit::Millimetre, "range"}));

TEST(UserUnits, ShowFractionsAsPerCentAndRadiansAsDegrees) {
    EXPECT_EQ(FormatInUserUnit(0.6, Unit::Fraction), "60 %");
    EXPECT_EQ(FormatInUserUnit(40 * kDegree, Unit::Angle), "40 deg");
    EXPECT_EQ(FormatInUserUnit(6.0, Unit::Millimetre), "6 mm");
    EXPECT_EQ(FormatInUserUnit(1.2, Unit::Ratio), "1.2");
}

}  // namespace
