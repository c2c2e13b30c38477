// The oval's two mirror symmetries in its vertex numbering: x -> -x pairs
// girdle sample j with 64 - j, y -> -y pairs it with 32 - j; table corners,
// star points and pavilion points pair up accordingly, the culet with itself.
#pragma once

#include "geometry.hpp"

#include <span>

namespace oval_test {

// The vertex that vertex v becomes under x -> -x (resp. y -> -y).
int MirrorInX(int v);
int MirrorInY(int v);

// Largest coordinate difference between each vertex and the mirror image of
// its partner: 0 for a stone symmetric in that plane.
double MirrorErrorX(std::span<const oval::Vec3> vertices);
double MirrorErrorY(std::span<const oval::Vec3> vertices);

}  // namespace oval_test
