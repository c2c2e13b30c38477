// Small value types of plan-view and spatial geometry, with fixed sign rules.
// Every "is zero" test is an exact comparison; a failed operation returns 0
// and leaves its output untouched, so a caller that ignores the failure goes
// on with whatever the output held (zero, in working arrays).
#pragma once

#include <cmath>
#include <limits>

namespace oval {

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The line a·x + b·y = c.
struct Line2 {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// The plane a·x + b·y + c·z = d.
struct Plane {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
};

// The line point + t·direction; the direction is unit length (or zero).
struct Line3 {
    Vec3 direction;
    Vec3 point;
};

// Row-major 3x3, used only for determinants.
struct Matrix3 {
    double m[9] = {};
};

// x for index 0, y for any other index.
double& Vec2Component(Vec2& v, int i);
// x for 0, y for 1, z for any other index.
double& Vec3Component(Vec3& v, int i);

// v scaled to unit length; zero stays zero.
Vec2 MakeUnit2(Vec2 v);
Vec3 MakeUnit3(double x, double y, double z);
Line3 Line3FromDirectionPoint(Vec3 direction, Vec3 point);
// A, B, C become the columns.
Matrix3 Matrix3FromColumns(Vec3 A, Vec3 B, Vec3 C);

// Scale to unit length; 0 (vector unchanged) when it is zero.
int Normalize2(Vec2& v);
int Normalize3(Vec3& v);

// Unit normal with c > 0 (or b > 0 when c is 0, then a > 0); 0 for a zero normal.
int NormalizeLine2(Line2& line);
// The line through two distinct points, unit normal, c > 0 when it misses the origin.
void LineThroughPoints(Line2& line, Vec2 p, Vec2 q);
// The line through point along direction, normalised; 0 (all zero) for a zero direction.
int LineFromDirectionPoint(Line2& line, Vec2 direction, Vec2 point);
// a·x + b·y − c: the signed distance for a normalised line.
double EvalLine2(const Line2& line, double x, double y);
// 0 for parallel lines (out untouched).
int IntersectLines2(const Line2& line, const Line2& other, Vec2* out);

double Det3(const Matrix3& m);
// Unit normal with d > 0 (else c > 0, b > 0, a > 0); 0 for a zero normal.
int NormalizePlane(Plane& plane);
// The plane through three points, normalised; 0 for collinear points, the
// plane then keeping the raw determinants.
int PlaneThroughPoints(Plane& plane, Vec3 p1, Vec3 p2, Vec3 p3);
// a·x + b·y + c·z − d: the signed distance for a normalised plane.
double EvalPlane(const Plane& plane, Vec3 p);
// 0 when the line is parallel to the plane (out untouched). out may be the
// very point the line was built from.
int IntersectLinePlane(const Line3& line, const Plane& plane, Vec3* out);

// The plane's normal (a, b, c) made unit length (zero stays zero): the
// direction IntersectLinePlane measures along.
Vec3 UnitNormal(const Plane& plane);
// IntersectLinePlane with the plane's unit normal already at hand, for several
// lines meeting one plane.
int IntersectLineUnitNormalPlane(const Line3& line, Vec3 unitNormal, double d, Vec3* out);

// ---- Definitions: small enough to inline into the construction ----

namespace detail {

// v/|v|: +1 or -1 for finite non-zero v, taken from the sign bit without a
// division; zero, infinities and NaN still divide, so they give NaN as v/|v| does.
inline double Sign(double v) {
    const double magnitude = std::fabs(v);
    if (magnitude > 0.0 && magnitude <= std::numeric_limits<double>::max()) return std::copysign(1.0, v);
    return v / magnitude;
}

}  // namespace detail

inline double& Vec2Component(Vec2& v, int i) { return i == 0 ? v.x : v.y; }

inline double& Vec3Component(Vec3& v, int i) {
    if (i == 0) return v.x;
    if (i == 1) return v.y;
    return v.z;
}

inline int Normalize2(Vec2& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y);
    if (length == 0.0) return 0;
    const double inverse = 1.0 / length;
    v.x *= inverse;
    v.y *= inverse;
    return 1;
}

inline int Normalize3(Vec3& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) return 0;
    const double inverse = 1.0 / length;
    v.x *= inverse;
    v.y *= inverse;
    v.z *= inverse;
    return 1;
}

inline Vec2 MakeUnit2(Vec2 v) {
    Normalize2(v);
    return v;
}

inline Vec3 MakeUnit3(double x, double y, double z) {
    Vec3 v{x, y, z};
    Normalize3(v);
    return v;
}

inline Line3 Line3FromDirectionPoint(Vec3 direction, Vec3 point) {
    return Line3{MakeUnit3(direction.x, direction.y, direction.z), point};
}

inline Matrix3 Matrix3FromColumns(Vec3 A, Vec3 B, Vec3 C) {
    return Matrix3{{A.x, B.x, C.x, A.y, B.y, C.y, A.z, B.z, C.z}};
}

inline int NormalizeLine2(Line2& line) {
    const double n = std::sqrt(line.a * line.a + line.b * line.b);
    if (n == 0.0) return 0;
    const double s = line.c != 0.0 ? detail::Sign(line.c) : line.b != 0.0 ? detail::Sign(line.b) : detail::Sign(line.a);
    const double factor = s / n;
    line.a *= factor;
    line.b *= factor;
    line.c *= factor;
    return 1;
}

inline void LineThroughPoints(Line2& line, Vec2 p, Vec2 q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double k = p.x * dy - p.y * dx;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0) {
        // Coincident points span no line: a zero line, which evaluates to 0 everywhere.
        line = Line2{};
        return;
    }
    // Through the origin (k = 0) the orientation is free; keep (dy, -dx).
    const double factor = (k != 0.0 ? detail::Sign(k) : 1.0) / length;
    line.a = dy * factor;
    line.b = -dx * factor;
    line.c = k * factor;
}

inline int LineFromDirectionPoint(Line2& line, Vec2 direction, Vec2 point) {
    line.a = direction.y;
    line.b = -direction.x;
    line.c = direction.y * point.x - direction.x * point.y;
    return NormalizeLine2(line);
}

inline double EvalLine2(const Line2& line, double x, double y) { return line.a * x + line.b * y - line.c; }

inline int IntersectLines2(const Line2& line, const Line2& other, Vec2* out) {
    const double det = line.a * other.b - other.a * line.b;
    if (det == 0.0) return 0;
    out->x = (line.c * other.b - line.b * other.c) / det;
    out->y = (line.a * other.c - other.a * line.c) / det;
    return 1;
}

inline double Det3(const Matrix3& m) {
    const double* e = m.m;
    return e[0] * e[4] * e[8] + e[1] * e[5] * e[6] + e[2] * e[3] * e[7] - e[2] * e[4] * e[6] -
           e[1] * e[3] * e[8] - e[0] * e[5] * e[7];
}

inline int NormalizePlane(Plane& plane) {
    const double n = std::sqrt(plane.a * plane.a + plane.b * plane.b + plane.c * plane.c);
    if (n == 0.0) return 0;
    const double s = plane.d != 0.0   ? detail::Sign(plane.d)
                     : plane.c != 0.0 ? detail::Sign(plane.c)
                     : plane.b != 0.0 ? detail::Sign(plane.b)
                                      : detail::Sign(plane.a);
    const double factor = s / n;
    plane.a *= factor;
    plane.b *= factor;
    plane.c *= factor;
    plane.d *= factor;
    return 1;
}

inline int PlaneThroughPoints(Plane& plane, Vec3 p1, Vec3 p2, Vec3 p3) {
    const Vec3 X{p1.x, p2.x, p3.x};
    const Vec3 Y{p1.y, p2.y, p3.y};
    const Vec3 Z{p1.z, p2.z, p3.z};
    const Vec3 ones{1.0, 1.0, 1.0};
    plane.a = Det3(Matrix3FromColumns(Y, Z, ones));
    plane.b = -Det3(Matrix3FromColumns(X, Z, ones));
    plane.c = Det3(Matrix3FromColumns(X, Y, ones));
    plane.d = Det3(Matrix3FromColumns(X, Y, Z));
    return NormalizePlane(plane);
}

inline double EvalPlane(const Plane& plane, Vec3 p) { return plane.a * p.x + plane.b * p.y + plane.c * p.z - plane.d; }

inline Vec3 UnitNormal(const Plane& plane) { return MakeUnit3(plane.a, plane.b, plane.c); }

inline int IntersectLineUnitNormalPlane(const Line3& line, Vec3 n, double d, Vec3* out) {
    const Vec3& u = line.direction;
    const Vec3& p = line.point;
    const double g = n.x * u.x + n.y * u.y + n.z * u.z;
    if (g == 0.0) return 0;
    const double t = (d - (n.x * p.x + n.y * p.y + n.z * p.z)) / g;
    const Vec3 hit{p.x + t * u.x, p.y + t * u.y, p.z + t * u.z};
    *out = hit;
    return 1;
}

inline int IntersectLinePlane(const Line3& line, const Plane& plane, Vec3* out) {
    return IntersectLineUnitNormalPlane(line, UnitNormal(plane), plane.d, out);
}


}  // namespace oval
