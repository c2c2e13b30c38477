// Naming parameters on the command line: identifiers, display names, short
// names, and the catalogue behind them.
#include "core/errors.hpp"
#include "core/parameter_catalogue.hpp"
#include "core/parameter_edit.hpp"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using namespace cutting::host;

// A cutting as an oval-like plug-in would describe it, with one specific
// parameter the catalogue does not know.
Cutting ExampleCutting() {
    Cutting cutting;
    cutting.name = "Example";
    cutting.parameters = {DescribeParameter(ParameterDiameter, std::nullopt),
                          DescribeParameter(4136, std::string("Sec. diameter")),
                          DescribeParameter(4109, std::string("Total Height %")),
                          DescribeParameter(ParameterCrownAngle, std::nullopt),
                          DescribeParameter(4200, std::string("Mystery"))};
    return cutting;
}

struct KeyCase {
    const char* key;
    ParameterId id;
};

class KeyResolution : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyResolution, FindsTheListedParameter) {
    const Cutting cutting = ExampleCutting();
    EXPECT_EQ(ResolveParameterKey(cutting, GetParam().key).id, GetParam().id) << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyResolution,
                         ::testing::Values(KeyCase{"1", 1}, KeyCase{"diameter", 1}, KeyCase{"Diameter", 1},
                                           KeyCase{"4136", 4136}, KeyCase{"Sec. diameter", 4136},
                                           KeyCase{"second-diameter", 4136}, KeyCase{"Total Height %", 4109},
                                           KeyCase{"total-height-pct", 4109}, KeyCase{"crown-angle", 43},
                                           KeyCase{"Mystery", 4200}, KeyCase{"4200", 4200}));

TEST(KeyResolution, UnknownKeyListsTheValidOnes) {
    const Cutting cutting = ExampleCutting();
    // Not listed by this cutting, a case mismatch, an unlisted identifier.
    for (const char* key : {"table", "total height %", "7", "diameter "}) {
        try {
            ResolveParameterKey(cutting, key);
            FAIL() << "'" << key << "' resolved";
        } catch (const InputError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(std::string("unknown parameter '") + key + "'"), std::string::npos) << message;
            EXPECT_NE(message.find("diameter (1), second-diameter (4136), total-height-pct (4109), crown-angle (43), "
                                   "\"Mystery\" (4200)"),
                      std::string::npos)
                << message;
        }
    }
}

TEST(Catalogue, SpecificIdentifiersNeedTheExpectedDisplayName) {
    // 4109 means "Total Height %" only in the plug-in that names it so.
    EXPECT_EQ(DescribeParameter(4109, std::string("Total Height %")).unit, Unit::Fraction);
    const ParameterInfo other = DescribeParameter(4109, std::string("Facet count"));
    EXPECT_EQ(other.unit, Unit::Plain);
    EXPECT_TRUE(other.shortName.empty());
    EXPECT_EQ(other.name, "Facet count");
    // Standard identifiers carry the host's own name whatever the plug-in says.
    EXPECT_EQ(DescribeParameter(ParameterTable, std::string("Tbl")).name, "Table");
    EXPECT_EQ(DescribeParameter(9999, std::nullopt).name, "Parameter 9999");
}

TEST(Catalogue, ShortNamesAreUnique) {
    const auto entries = ParameterCatalogue();
    for (size_t i = 0; i < entries.size(); ++i) {
        for (size_t j = i + 1; j < entries.size(); ++j) EXPECT_NE(entries[i].shortName, entries[j].shortName);
    }
}

TEST(ParameterEdits, ParseKeyAndValueWithUnit) {
    const Cutting cutting = ExampleCutting();
    const ParameterEdit angle = ParseParameterEdit(cutting, "crown-angle=40deg");
    EXPECT_EQ(angle.id, 43);
    EXPECT_NEAR(angle.value, 40 * std::numbers::pi / 180.0, 1e-15);
    const ParameterEdit total = ParseParameterEdit(cutting, "Total Height %=62.5%");
    EXPECT_EQ(total.id, 4109);
    EXPECT_DOUBLE_EQ(total.value, 0.625);
}

TEST(ParameterEdits, MalformedSettingsAreRefused) {
    const Cutting cutting = ExampleCutting();
    struct Bad {
        const char* setting;
        const char* says;
    };
    for (const Bad& bad : {Bad{"diameter", "expected KEY=VALUE"}, Bad{"=6", "expected KEY=VALUE"},
                           Bad{"diameter=", "malformed value ''"}, Bad{"diameter=6x", "malformed value '6x'"},
                           Bad{"girdle=3", "unknown parameter 'girdle'"}}) {
        try {
            ParseParameterEdit(cutting, bad.setting);
            FAIL() << bad.setting << " was accepted";
        } catch (const InputError& error) {
            EXPECT_NE(std::string(error.what()).find(bad.says), std::string::npos) << error.what();
        }
    }
}

}  // namespace
