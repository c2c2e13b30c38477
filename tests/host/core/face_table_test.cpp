// Reading face tables by the loop rule.
#include "core/face_table.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace cutting::host;

constexpr uint16_t kEnd = 0xFFFF;

TEST(FaceTable, ReadsTheBoxTable) {
    const std::vector<uint16_t> box = {0, 1, 2, 3, 0, 0, 4, 5, 1, 0, 1, 5, 6, 2, 1, 2, 6, 7, 3, 2,
                                       3, 7, 4, 0, 3, 4, 7, 6, 5, 4, kEnd};
    const FaceTable table = ParseFaceTable(box.data(), box.size());
    ASSERT_EQ(table.faces.size(), 6u);
    EXPECT_EQ(table.faces[1], (Face{0, 4, 5, 1}));
    EXPECT_EQ(table.vertexCount, 8);
    EXPECT_EQ(table.entryCount, 31u);
    EXPECT_TRUE(UnusedVertices(table).empty());
    EXPECT_EQ(FacesByCornerCount(table), (std::map<size_t, int>{{4, 6}}));
}

struct BrokenTable {
    const char* what;
    std::vector<uint16_t> entries;
    const char* says;
};

class BrokenFaceTable : public ::testing::TestWithParam<BrokenTable> {};

TEST_P(BrokenFaceTable, IsRefusedSayingWhy) {
    const BrokenTable& c = GetParam();
    try {
        ParseFaceTable(c.entries.data(), c.entries.size());
        FAIL() << c.what << " was read";
    } catch (const FaceTableError& error) {
        EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << c.what << ": " << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, BrokenFaceTable,
    ::testing::Values(BrokenTable{"no terminator", {0, 1, 2, 0}, "no terminator"},
                      BrokenTable{"loop never closed", {0, 1, 2, 3}, "never closes"},
                      BrokenTable{"terminator inside a loop", {0, 1, 2, kEnd}, "cut short by the terminator"},
                      BrokenTable{"repeated index", {0, 1, 2, 1, 3, 0, kEnd}, "repeats vertex 1"},
                      BrokenTable{"two-vertex face", {0, 1, 0, kEnd}, "only 2 vertices"}),
    [](const auto& param) {
        std::string name = param.param.what;
        for (char& ch : name) {
            if (ch == ' ' || ch == '-') ch = '_';
        }
        return name;
    });

TEST(FaceTable, NullTableIsRefused) { EXPECT_THROW(ParseFaceTable(nullptr), FaceTableError); }

TEST(FaceTable, ReportsVerticesNoFaceUses) {
    const std::vector<uint16_t> gap = {0, 1, 3, 0, 0, 3, 4, 0, kEnd};
    EXPECT_EQ(UnusedVertices(ParseFaceTable(gap.data(), gap.size())), (std::vector<int>{2}));
}

TEST(FaceTable, NamesPolygonKinds) {
    EXPECT_EQ(PolygonKindName(3, 8), "triangles");
    EXPECT_EQ(PolygonKindName(8, 1), "octagon");
    EXPECT_EQ(PolygonKindName(6, 32), "hexagons");
    EXPECT_EQ(PolygonKindName(12, 2), "12-gons");
}

}  // namespace
