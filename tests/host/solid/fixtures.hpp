// Small hand-made solids whose measures are known in closed form.
#pragma once

#include "solid/face_table.hpp"
#include "solid/vec3.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace solid = cutting::host::solid;

namespace fixtures {

struct Mesh {
    std::vector<solid::FaceLoop> faces;
    std::vector<solid::Vec3> vertices;
};

// A block centred on the origin, hx × hy × hz half-extents, wound like the
// box plug-in's face table.
inline Mesh Block(double hx, double hy, double hz) {
    return {{{0, 1, 2, 3}, {0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}, {4, 7, 6, 5}},
            {{-hx, hy, hz}, {-hx, -hy, hz}, {hx, -hy, hz}, {hx, hy, hz},
             {-hx, hy, -hz}, {-hx, -hy, -hz}, {hx, -hy, -hz}, {hx, hy, -hz}}};
}

// The corner tetrahedron of the unit cube: volume 1/6.
inline Mesh Tetrahedron() {
    return {{{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}},
            {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

// Block(1, 1, 1) with its top replaced by a pyramid pushed in to the centre:
// volume 8 - 4/3, closed, outward and not convex.
inline Mesh DentedCube() {
    Mesh mesh = Block(1, 1, 1);
    mesh.vertices.push_back({0, 0, 0});
    mesh.faces.erase(mesh.faces.begin());
    for (std::uint32_t i = 0; i < 4; ++i) mesh.faces.push_back({i, (i + 1) % 4, 8});
    return mesh;
}

// A step-cut stone with a rectangular girdle 10 mm (x) by 8 mm (y), 0.4 mm
// thick and centred on z = 0; a 6 × 5 mm table 1 mm above the girdle; a
// pointed culet 4 mm below it.
//   crown towards +y: rise 1 over run 1.5;   pavilion towards +y: 4 over 4
//   volume: girdle 32 + crown 53 + pavilion 320/3 = 575/3 mm³
inline Mesh StepCut() {
    return {{{0, 1, 2, 3},                                              // table
             {0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0},    // crown
             {4, 8, 9, 5}, {5, 9, 10, 6}, {6, 10, 11, 7}, {7, 11, 8, 4},  // girdle
             {8, 12, 9}, {9, 12, 10}, {10, 12, 11}, {11, 12, 8}},       // pavilion
            {{-3, -2.5, 1.2}, {3, -2.5, 1.2}, {3, 2.5, 1.2}, {-3, 2.5, 1.2},
             {-5, -4, 0.2}, {5, -4, 0.2}, {5, 4, 0.2}, {-5, 4, 0.2},
             {-5, -4, -0.2}, {5, -4, -0.2}, {5, 4, -0.2}, {-5, 4, -0.2},
             {0, 0, -4.2}}};
}

// `mesh` turned a quarter turn about z: (x, y) -> (-y, x).
inline Mesh QuarterTurn(Mesh mesh) {
    for (solid::Vec3& v : mesh.vertices) v = {-v.y, v.x, v.z};
    return mesh;
}

// `mesh` with every loop reversed: the same surface wound inward.
inline Mesh Inverted(Mesh mesh) {
    for (solid::FaceLoop& loop : mesh.faces) std::reverse(loop.begin(), loop.end());
    return mesh;
}

}  // namespace fixtures
