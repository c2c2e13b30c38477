#include "export_error.hpp"
#include "mesh_writers.hpp"
#include "solid/face_geometry.hpp"

#include <tiny_gltf.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <sstream>
#include <vector>

namespace cutting::host::exporter {

namespace {

// The stone's frame (mm, z up) in glTF's (m, y up): a quarter turn about x,
// (x, y, z) -> (x, z, -y), which keeps counterclockwise faces
// counterclockwise, then millimetres to metres.
std::array<float, 3> ToGltfFrame(solid::Vec3 v, double scale) {
    return {static_cast<float>(scale * v.x), static_cast<float>(scale * v.z),
            static_cast<float>(-scale * v.y)};
}

constexpr double kMetresPerMillimetre = 0.001;

// Vertex data of the flat-shaded mesh: each face's corners on their own,
// all carrying the face normal.
struct FlatMesh {
    std::vector<std::array<float, 3>> positions;
    std::vector<std::array<float, 3>> normals;
    std::vector<std::uint32_t> indices;
};

FlatMesh Flatten(const solid::Solid& solid) {
    FlatMesh mesh;
    for (const solid::Face& face : solid.faces) {
        const auto first = static_cast<std::uint32_t>(mesh.positions.size());
        const std::array<float, 3> normal = ToGltfFrame(face.normal, 1.0);
        for (std::uint32_t index : face.loop) {
            mesh.positions.push_back(ToGltfFrame(solid.vertices[index], kMetresPerMillimetre));
            mesh.normals.push_back(normal);
        }
        for (std::uint32_t i = 1; i + 1 < face.loop.size(); ++i) {
            mesh.indices.insert(mesh.indices.end(), {first, first + i, first + i + 1});
        }
    }
    return mesh;
}

// Appends `bytes` to the buffer, 4-byte aligned, as a new buffer view.
int AddBufferView(tinygltf::Model& model, const void* bytes, std::size_t size, int target) {
    std::vector<unsigned char>& data = model.buffers[0].data;
    data.resize((data.size() + 3) / 4 * 4, 0);
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = data.size();
    view.byteLength = size;
    view.target = target;
    const auto* begin = static_cast<const unsigned char*>(bytes);
    data.insert(data.end(), begin, begin + size);
    model.bufferViews.push_back(view);
    return static_cast<int>(model.bufferViews.size() - 1);
}

int AddVec3Accessor(tinygltf::Model& model, const std::vector<std::array<float, 3>>& values,
                    bool withBounds) {
    tinygltf::Accessor accessor;
    accessor.bufferView = AddBufferView(model, values.data(), values.size() * sizeof(values[0]),
                                        TINYGLTF_TARGET_ARRAY_BUFFER);
    accessor.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    accessor.type = TINYGLTF_TYPE_VEC3;
    accessor.count = values.size();
    if (withBounds) {
        std::array<float, 3> lo{}, hi{};
        lo.fill(std::numeric_limits<float>::infinity());
        hi.fill(-std::numeric_limits<float>::infinity());
        for (const auto& v : values) {
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], v[k]);
                hi[k] = std::max(hi[k], v[k]);
            }
        }
        accessor.minValues.assign(lo.begin(), lo.end());
        accessor.maxValues.assign(hi.begin(), hi.end());
    }
    model.accessors.push_back(accessor);
    return static_cast<int>(model.accessors.size() - 1);
}

int AddIndexAccessor(tinygltf::Model& model, const std::vector<std::uint32_t>& indices,
                     std::size_t vertexCount) {
    tinygltf::Accessor accessor;
    accessor.type = TINYGLTF_TYPE_SCALAR;
    accessor.count = indices.size();
    if (vertexCount <= std::numeric_limits<std::uint16_t>::max()) {
        const std::vector<std::uint16_t> narrow(indices.begin(), indices.end());
        accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT;
        accessor.bufferView = AddBufferView(model, narrow.data(), narrow.size() * sizeof(narrow[0]),
                                            TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
    } else {
        accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
        accessor.bufferView = AddBufferView(model, indices.data(), indices.size() * sizeof(indices[0]),
                                            TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
    }
    model.accessors.push_back(accessor);
    return static_cast<int>(model.accessors.size() - 1);
}

// A clear, faintly blue dielectric.
tinygltf::Material StoneMaterial() {
    tinygltf::Material material;
    material.name = "stone";
    material.pbrMetallicRoughness.baseColorFactor = {0.86, 0.92, 0.98, 1.0};
    material.pbrMetallicRoughness.metallicFactor = 0.0;
    material.pbrMetallicRoughness.roughnessFactor = 0.08;
    return material;
}

}  // namespace

std::string WriteGlb(const solid::Solid& solid, std::string_view name) {
    const FlatMesh flat = Flatten(solid);
    const std::string label = name.empty() ? std::string("stone") : std::string(name);

    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "cutting-host";
    model.buffers.emplace_back();

    tinygltf::Primitive primitive;
    primitive.mode = TINYGLTF_MODE_TRIANGLES;
    primitive.indices = AddIndexAccessor(model, flat.indices, flat.positions.size());
    primitive.attributes["POSITION"] = AddVec3Accessor(model, flat.positions, true);
    primitive.attributes["NORMAL"] = AddVec3Accessor(model, flat.normals, false);
    primitive.material = 0;
    model.materials.push_back(StoneMaterial());

    tinygltf::Mesh mesh;
    mesh.name = label;
    mesh.primitives.push_back(primitive);
    model.meshes.push_back(mesh);

    tinygltf::Node node;
    node.name = label;
    node.mesh = 0;
    model.nodes.push_back(node);

    tinygltf::Scene scene;
    scene.name = label;
    scene.nodes.push_back(0);
    model.scenes.push_back(scene);
    model.defaultScene = 0;

    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&model, stream, false, true)) {
        throw ExportError("the glTF writer failed to serialise the stone");
    }
    return stream.str();
}

}  // namespace cutting::host::exporter
