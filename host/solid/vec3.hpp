// A point or direction in the stone's frame: millimetres, z up.
#pragma once

#include <cmath>

namespace cutting::host::solid {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
constexpr bool operator==(Vec3 a, Vec3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

constexpr double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

constexpr Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }

// The unit vector along a; a zero vector stays zero.
inline Vec3 Normalized(Vec3 a) {
    const double length = Length(a);
    return length > 0.0 ? (1.0 / length) * a : Vec3{};
}

}  // namespace cutting::host::solid
