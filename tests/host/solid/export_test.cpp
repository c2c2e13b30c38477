// The exporters' files, read back byte by byte: counts, orientation, units
// and frames.
#include "export/export_error.hpp"
#include "export/export_file.hpp"
#include "export/mesh_writers.hpp"
#include "export/svg_drawing.hpp"
#include "fixtures.hpp"
#include "solid/solid.hpp"

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

namespace exporter = cutting::host::exporter;
using exporter::Format;
using solid::Vec3;

solid::Solid StepCut() {
    const fixtures::Mesh mesh = fixtures::StepCut();
    return solid::BuildSolid(mesh.faces, mesh.vertices);
}

// 13 faces: an octagon-free mix of 9 quadrilaterals and 4 triangles.
constexpr std::size_t kStepCutTriangles = 9 * 2 + 4;
constexpr std::size_t kStepCutCorners = 9 * 4 + 4 * 3;

TEST(ExportFormat, ChosenByExtension) {
    const std::pair<const char*, std::optional<Format>> cases[] = {
        {"oval.obj", Format::Obj}, {"OVAL.STL", Format::Stl}, {"a/b.ply", Format::Ply},
        {"x.glb", Format::Glb},    {"x.Svg", Format::Svg},    {"x.gltf", std::nullopt},
        {"x.obj.gz", std::nullopt}, {"obj", std::nullopt},
    };
    for (const auto& [path, format] : cases) EXPECT_EQ(exporter::FormatForPath(path), format) << path;
}

TEST(Obj, PolygonFacesWithOneBasedIndices) {
    const fixtures::Mesh mesh = fixtures::Block(3, 2, 0.5);
    const std::string obj = exporter::WriteObj(solid::BuildSolid(mesh.faces, mesh.vertices), "Tavolet");
    EXPECT_NE(obj.find("o Tavolet\n"), std::string::npos);
    EXPECT_NE(obj.find("millimetres"), std::string::npos);
    EXPECT_NE(obj.find("\nv -3 2 0.5\n"), std::string::npos);
    EXPECT_NE(obj.find("\nf 1 2 3 4\n"), std::string::npos);
    EXPECT_NE(obj.find("\nf 5 8 7 6\n"), std::string::npos);
    std::istringstream lines(obj);
    int vertices = 0, faces = 0;
    for (std::string line; std::getline(lines, line);) {
        vertices += line.starts_with("v ");
        faces += line.starts_with("f ");
    }
    EXPECT_EQ(vertices, 8);
    EXPECT_EQ(faces, 6);
}

float FloatAt(const std::string& bytes, std::size_t offset) {
    float value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

Vec3 Vec3At(const std::string& bytes, std::size_t offset) {
    return {FloatAt(bytes, offset), FloatAt(bytes, offset + 4), FloatAt(bytes, offset + 8)};
}

TEST(Stl, TrianglesWindWithTheirOutwardNormals) {
    const solid::Solid s = StepCut();
    const std::string stl = exporter::WriteStl(s, "Step");
    ASSERT_EQ(stl.size(), 84 + 50 * kStepCutTriangles);
    EXPECT_FALSE(stl.starts_with("solid"));  // would read as ASCII STL
    EXPECT_NE(stl.substr(0, 80).find("millimetres"), std::string::npos);
    std::uint32_t count;
    std::memcpy(&count, stl.data() + 80, 4);
    EXPECT_EQ(count, kStepCutTriangles);
    const Vec3 centre = 0.5 * (s.bounds.min + s.bounds.max);
    for (std::size_t t = 0; t < count; ++t) {
        const std::size_t at = 84 + 50 * t;
        const Vec3 normal = Vec3At(stl, at);
        const Vec3 a = Vec3At(stl, at + 12), b = Vec3At(stl, at + 24), c = Vec3At(stl, at + 36);
        const Vec3 winding = solid::Normalized(solid::Cross(b - a, c - a));
        EXPECT_GT(solid::Dot(winding, normal), 0.9999) << "triangle " << t;
        EXPECT_GT(solid::Dot(normal, a - centre), 0.0) << "triangle " << t << " faces inward";
    }
}

TEST(Ply, AsciiAndBinaryCarryTheSamePolygons) {
    const solid::Solid s = StepCut();
    const std::string ascii = exporter::WritePly(s, "Step", exporter::PlyEncoding::Ascii);
    const std::string binary = exporter::WritePly(s, "Step", exporter::PlyEncoding::BinaryLittleEndian);
    for (const std::string* ply : {&ascii, &binary}) {
        EXPECT_NE(ply->find("element vertex 13\n"), std::string::npos);
        EXPECT_NE(ply->find("element face 13\n"), std::string::npos);
    }
    EXPECT_NE(ascii.find("format ascii 1.0\n"), std::string::npos);
    EXPECT_NE(ascii.find("end_header\n-3 -2.5 1.2\n"), std::string::npos);
    EXPECT_NE(ascii.find("\n4 0 4 5 1\n"), std::string::npos);

    const std::size_t header = binary.find("end_header\n") + std::strlen("end_header\n");
    EXPECT_EQ(binary.size(), header + 13 * 3 * 8 + 13 + 4 * kStepCutCorners);
    double firstX;
    std::memcpy(&firstX, binary.data() + header, 8);
    EXPECT_EQ(firstX, -3.0);
}

TEST(Glb, FlatShadedInMetresWithYUp) {
    const solid::Solid s = StepCut();
    const std::string glb = exporter::WriteGlb(s, "Step");

    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string error, warning;
    ASSERT_TRUE(loader.LoadBinaryFromMemory(&model, &error, &warning,
                                            reinterpret_cast<const unsigned char*>(glb.data()),
                                            static_cast<unsigned>(glb.size())))
        << error;
    EXPECT_TRUE(warning.empty()) << warning;
    ASSERT_EQ(model.meshes.size(), 1u);
    const tinygltf::Primitive& primitive = model.meshes[0].primitives.at(0);
    const tinygltf::Accessor& positions = model.accessors[primitive.attributes.at("POSITION")];
    const tinygltf::Accessor& normals = model.accessors[primitive.attributes.at("NORMAL")];
    const tinygltf::Accessor& indices = model.accessors[primitive.indices];
    EXPECT_EQ(positions.count, kStepCutCorners);
    EXPECT_EQ(indices.count, 3 * kStepCutTriangles);

    // x stays, the stone's z (up) becomes y, its y becomes -z; mm to m.
    const std::vector<double> min{-0.005, -0.0042, -0.004}, max{0.005, 0.0012, 0.004};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(positions.minValues.at(k), min[k], 1e-9) << k;
        EXPECT_NEAR(positions.maxValues.at(k), max[k], 1e-9) << k;
    }

    const auto data = [&](const tinygltf::Accessor& a) {
        const tinygltf::BufferView& view = model.bufferViews[a.bufferView];
        return model.buffers[view.buffer].data.data() + view.byteOffset + a.byteOffset;
    };
    const auto* p = reinterpret_cast<const float*>(data(positions));
    const auto* n = reinterpret_cast<const float*>(data(normals));
    const auto* index = reinterpret_cast<const std::uint16_t*>(data(indices));
    ASSERT_EQ(indices.componentType, TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT);
    const auto at = [](const float* v, std::size_t i) { return Vec3{v[3 * i], v[3 * i + 1], v[3 * i + 2]}; };
    for (std::size_t t = 0; t < kStepCutTriangles; ++t) {
        const std::size_t i0 = index[3 * t], i1 = index[3 * t + 1], i2 = index[3 * t + 2];
        const Vec3 winding = solid::Normalized(solid::Cross(at(p, i1) - at(p, i0), at(p, i2) - at(p, i0)));
        // Counterclockwise front faces: the winding agrees with the normals,
        // and all three corners carry the same (face) normal.
        EXPECT_GT(solid::Dot(winding, at(n, i0)), 0.999) << "triangle " << t;
        EXPECT_EQ(at(n, i0), at(n, i1));
        EXPECT_EQ(at(n, i0), at(n, i2));
    }
}

TEST(Svg, DrawsThreeViewsWithTheMainDimensions) {
    const std::string svg = exporter::DrawSvg(StepCut(), {"Step <cut> & co", {"note"}});
    for (const char* expected : {">10.00 mm<", ">8.00 mm<", ">5.40 mm<", ">TOP<", ">SIDE<", ">BOTTOM<",
                                 ">Step &lt;cut&gt; &amp; co<", ">note<"}) {
        EXPECT_NE(svg.find(expected), std::string::npos) << expected;
    }
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("export_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(AtomicWrite, ReplacesAnExistingFile) {
    const auto path = dir_ / "stone.obj";
    std::ofstream(path) << "old";
    exporter::WriteFileAtomically(path, "new content");
    std::ifstream in(path);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "new content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(AtomicWrite, LeavesNothingWhenTheFolderIsMissing) {
    const auto path = dir_ / "missing" / "stone.obj";
    EXPECT_THROW(exporter::WriteFileAtomically(path, "content"), exporter::ExportError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 0);
}

}  // namespace
