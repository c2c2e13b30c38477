// Parameter sets the box's IsCorrect accepts although InitVertex makes no
// proper solid of them, found by fuzzing and reported: the box bounds no
// field from above or away from zero, so an extent can overflow or vanish.
// Each case documents what happens today; when IsCorrect comes to refuse a
// set, its case fails here: delete it and its class in box_known_findings.cpp.
#include "known_findings.hpp"
#include "solid_check.hpp"

#include "box_cutting.hpp"
#include "cutting_plugin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fuzz {
namespace {

struct Finding {
    const char* name;
    box::BoxParams block;
    const char* defect;
};

const Finding kFindings[] = {
    {"GirdleOverflows", {1, 0, 6.0, 1.7976931348623157e308, 1.0}, "vertex 0 is not finite"},
    {"RatioOverflows", {1, 0, 6.0, 0.035, 1e308}, "vertex 0 is not finite"},
    {"RatioVanishes", {1, 0, 0.5, 0.035, 4.9406564584124654e-324}, "the stone is flat"},
};

class BoxKnownFinding : public testing::TestWithParam<Finding> {};

TEST_P(BoxKnownFinding, IsAcceptedAndNoProperSolid) {
    const Finding& finding = GetParam();
    CuttingInfo info{};
    ASSERT_EQ(GetCuttingInfo(&info, 1, InfoRequestGeneral), 1);
    FaceLoops faces;
    ASSERT_EQ(ParseFaceTable(info.faces, 1 << 15, faces), "");

    box::BoxParams block = finding.block;
    std::vector<double> vertices(3 * faces.vertexCount);
    Diamond diamond{0, &block, 0, vertices.data()};
    EXPECT_EQ(IsCorrect(&diamond, 1), 1) << "IsCorrect now refuses this set: the finding is fixed";
    ASSERT_EQ(InitVertex(&diamond, 1), 1);
    const std::string defect = SolidDefect(faces, vertices.data());
    EXPECT_NE(defect.find(finding.defect), std::string::npos) << "the solid check says: " << defect;
    EXPECT_NE(KnownImproperStone(reinterpret_cast<const uint8_t*>(&block), vertices.data()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Box, BoxKnownFinding, testing::ValuesIn(kFindings),
                         [](const testing::TestParamInfo<Finding>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace fuzz
