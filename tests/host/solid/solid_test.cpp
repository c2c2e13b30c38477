// The solid built from face loops and vertices: topology, orientation,
// convexity, volume, area and face flatness.
#include "fixtures.hpp"
#include "solid/face_table.hpp"
#include "solid/solid.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <algorithm>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using solid::BuildSolid;
using solid::SolidError;

solid::Solid Build(const fixtures::Mesh& mesh) { return BuildSolid(mesh.faces, mesh.vertices); }

TEST(FaceTable, SplitsLoopsAtTheirRepeatedFirstIndex) {
    const std::vector<std::uint16_t> table{0, 1, 2, 3, 0, 0, 4, 5, 1, 0, 3, 7, 4, 3, 0xFFFF, 9, 9};
    const auto faces = solid::ParseFaceTable(table);
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[0], (solid::FaceLoop{0, 1, 2, 3}));
    EXPECT_EQ(faces[1], (solid::FaceLoop{0, 4, 5, 1}));
    EXPECT_EQ(faces[2], (solid::FaceLoop{3, 7, 4}));
    EXPECT_EQ(solid::VertexCountOf(faces), 8u);
}

struct BadTable {
    const char* what;
    std::vector<std::uint16_t> table;
    const char* message;
};

class FaceTableFaults : public ::testing::TestWithParam<BadTable> {};

TEST_P(FaceTableFaults, AreRefusedWithTheirPlace) {
    const BadTable& c = GetParam();
    try {
        solid::ParseFaceTable(c.table);
        FAIL() << c.what << ": accepted";
    } catch (const SolidError& e) {
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
            << c.what << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaceTableFaults,
    ::testing::Values(
        BadTable{"no terminator", {0, 1, 2, 0}, "without its terminator"},
        BadTable{"empty", {}, "without its terminator"},
        BadTable{"terminator inside a loop", {0, 1, 2, 0, 3, 4, 5, 0xFFFF}, "face 1 (table entry 4) is not closed"},
        BadTable{"runs off the end", {0, 1, 2}, "not closed"},
        BadTable{"repeated vertex", {0, 1, 2, 1, 0, 0xFFFF}, "repeats vertex 1"},
        BadTable{"two-vertex face", {0, 1, 0, 0xFFFF}, "has 2 vertices"}));

TEST(Solid, RefusesAFaceReferringToAMissingVertex) {
    fixtures::Mesh mesh = fixtures::Tetrahedron();
    mesh.faces[3] = {1, 2, 4};
    EXPECT_THROW(Build(mesh), SolidError);
}

TEST(Solid, VertexBufferMustHoldWholeTriples) {
    const std::vector<double> xyz{0, 0, 0, 1, 0};
    EXPECT_THROW(solid::VerticesFromBuffer(xyz), SolidError);
}

struct ShapeCase {
    const char* what;
    fixtures::Mesh mesh;
    double volume;  // NaN: an open surface encloses no volume to compare
    double area;
    bool closed, outward, convex;
    friend void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.what; }
};

class Shapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Shapes, VolumeAreaAndFlags) {
    const ShapeCase& c = GetParam();
    const solid::Solid s = Build(c.mesh);
    if (!std::isnan(c.volume)) {
        EXPECT_NEAR(s.volume, c.volume, 1e-12 * std::abs(c.volume)) << c.what;
    }
    EXPECT_NEAR(s.surfaceArea, c.area, 1e-12 * c.area) << c.what;
    EXPECT_EQ(s.closed, c.closed) << c.what;
    EXPECT_EQ(s.outward, c.outward) << c.what;
    EXPECT_EQ(s.convex, c.convex) << c.what;
    EXPECT_LT(s.maxNonPlanarity, 1e-14) << c.what;  // rounding of coordinates up to 10 mm
}

fixtures::Mesh Opened(fixtures::Mesh mesh) {
    mesh.faces.pop_back();
    return mesh;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kRoot3 = std::sqrt(3.0);
// Table, girdle band, crown trapezoids, pavilion triangles.
const double kStepCutArea = 30.0 + 14.4 + 16 * std::sqrt(3.25) + 13 * std::sqrt(5.0) +
                            10 * std::sqrt(32.0) + 8 * std::sqrt(41.0);

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Shapes,
    ::testing::Values(
        ShapeCase{"block", fixtures::Block(3, 2, 0.5), 24.0, 2 * (24.0 + 6.0 + 4.0), true, true, true},
        ShapeCase{"tetrahedron", fixtures::Tetrahedron(), 1.0 / 6.0, 1.5 + kRoot3 / 2, true, true, true},
        ShapeCase{"dented cube", fixtures::DentedCube(), 8.0 - 4.0 / 3.0, 20.0 + 4 * std::sqrt(2.0), true, true, false},
        ShapeCase{"step cut", fixtures::StepCut(), 575.0 / 3.0, kStepCutArea, true, true, true},
        ShapeCase{"inside out", fixtures::Inverted(fixtures::Block(1, 1, 1)), -8.0, 24.0, true, false, false},
        ShapeCase{"open box", Opened(fixtures::Block(1, 1, 1)), kNaN, 20.0, false, false, false}),
    [](const auto& param_info) {
        std::string name = param_info.param.what;
        for (char& ch : name) if (ch == ' ') ch = '_';
        return name;
    });

TEST(Solid, EveryEdgeOfAClosedSolidHasAFaceOnEachSide) {
    const solid::Solid s = Build(fixtures::StepCut());
    ASSERT_EQ(s.edges.size(), 24u);  // Euler: 13 vertices - 24 edges + 13 faces = 2
    for (const solid::Edge& e : s.edges) {
        EXPECT_NE(e.forwardFace, solid::kNoFace);
        EXPECT_NE(e.backwardFace, solid::kNoFace);
        EXPECT_NE(e.forwardFace, e.backwardFace);
    }
}

TEST(Solid, TwoFacesWoundTheSameWayAlongAnEdgeAreNotClosed) {
    fixtures::Mesh mesh = fixtures::Block(1, 1, 1);
    std::reverse(mesh.faces[5].begin(), mesh.faces[5].end());
    const solid::Solid s = Build(mesh);
    EXPECT_FALSE(s.closed);
    EXPECT_FALSE(s.convex);
}

TEST(Solid, NormalsPointOutward) {
    const solid::Solid s = Build(fixtures::Block(3, 2, 0.5));
    const solid::Vec3 expected[] = {{0, 0, 1}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}};
    for (std::size_t f = 0; f < 6; ++f) {
        EXPECT_EQ(s.faces[f].normal, expected[f]) << "face " << f;
    }
}

TEST(Solid, DegenerateFaceHasNoNormalAndNoArea) {
    const std::vector<solid::Vec3> collinear{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
    const solid::Solid s = BuildSolid({{0, 1, 2}}, collinear);
    EXPECT_EQ(s.faces[0].normal, (solid::Vec3{}));
    EXPECT_EQ(s.faces[0].area, 0.0);
    EXPECT_FALSE(s.closed);
}

TEST(Solid, LiftingOneCornerWarpsOnlyTheFaceItLeaves) {
    // Lifting a top corner keeps the two side faces through it planar (the
    // corner moves within their vertical planes) and warps the top by a
    // quarter of the lift either side of its mean plane.
    fixtures::Mesh mesh = fixtures::Block(1, 1, 1);
    const double lift = 0.1;
    mesh.vertices[2].z += lift;
    const solid::Solid s = Build(mesh);
    EXPECT_NEAR(s.faces[0].nonPlanarity, lift / 4, 1e-3 * lift);
    EXPECT_EQ(s.maxNonPlanarity, s.faces[0].nonPlanarity);
    for (std::size_t f = 1; f < 6; ++f) EXPECT_NEAR(s.faces[f].nonPlanarity, 0.0, 1e-15) << f;
}

TEST(Solid, BoundsSpanTheVertices) {
    const solid::Solid s = Build(fixtures::StepCut());
    EXPECT_EQ(s.bounds.min, (solid::Vec3{-5, -4, -4.2}));
    EXPECT_EQ(s.bounds.max, (solid::Vec3{5, 4, 1.2}));
}

}  // namespace
