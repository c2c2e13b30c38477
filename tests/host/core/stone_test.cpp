// A Stone owns its block and buffer: reading, writing, judging, vertices,
// copies that do not share storage, and edits applied in order.
#include "core/errors.hpp"
#include "core/parameter_edit.hpp"
#include "core/stone.hpp"

#include <gtest/gtest.h>

namespace {

using namespace cutting::host;

Stone BoxStone() {
    auto plugin = Plugin::Load(TAVOLET_PATH);
    Cutting cutting = plugin->Describe(1);
    Stone stone(std::move(plugin), std::move(cutting));
    EXPECT_TRUE(stone.Init());
    return stone;
}

TEST(Stone, ReadsWritesJudgesAndBuildsTheBox) {
    Stone stone = BoxStone();
    EXPECT_EQ(stone.Get(ParameterDiameter), 6.0);
    EXPECT_TRUE(stone.Set(ParameterDiameter, 10.0));
    EXPECT_EQ(stone.Get(ParameterDiameter), 10.0);
    EXPECT_FALSE(stone.Set(ParameterTable, 0.5)) << "the box has no table";
    EXPECT_FALSE(stone.Get(ParameterTable).has_value());
    EXPECT_TRUE(stone.IsCorrect());
    const auto vertices = stone.Vertices();
    ASSERT_TRUE(vertices.has_value());
    ASSERT_EQ(vertices->size(), 8u);
    EXPECT_DOUBLE_EQ((*vertices)[0].x, -5.0);
    EXPECT_DOUBLE_EQ((*vertices)[0].y, 5.0);
    EXPECT_DOUBLE_EQ((*vertices)[0].z, 0.175);
    EXPECT_TRUE(stone.Set(ParameterGirdle, 0.0));
    EXPECT_FALSE(stone.IsCorrect());
}

TEST(Stone, CopiesHaveTheirOwnBlock) {
    Stone original = BoxStone();
    Stone copy = original;
    ASSERT_TRUE(copy.Set(ParameterRatio, 0.5));
    EXPECT_EQ(original.Get(ParameterRatio), 1.0);
    EXPECT_EQ(copy.Get(ParameterRatio), 0.5);
    Stone moved = std::move(copy);
    EXPECT_EQ(moved.Get(ParameterRatio), 0.5);
    EXPECT_EQ(moved.Block().size(), 32u);
}

TEST(Stone, EditsApplyInOrderAndARefusedWriteNamesItsIdentifier) {
    Stone stone = BoxStone();
    const std::vector<ParameterEdit> edits = {ParseParameterEdit(stone.GetCutting(), "diameter=8mm"),
                                              ParseParameterEdit(stone.GetCutting(), "1=9")};
    ApplyEdits(stone, edits);
    EXPECT_EQ(stone.Get(ParameterDiameter), 9.0);

    const std::vector<ParameterEdit> refused = {{ParameterRatio, 0.5, "ratio=0.5"}, {ParameterTable, 0.6, "7=0.6"}};
    try {
        ApplyEdits(stone, refused);
        FAIL() << "a write of the table was accepted";
    } catch (const InputError& error) {
        EXPECT_NE(std::string(error.what()).find("refused to set parameter 7"), std::string::npos) << error.what();
    }
    EXPECT_EQ(stone.Get(ParameterRatio), 0.5) << "the edit before the refused one stays";
}

}  // namespace
