#include "geometry.hpp"

#include <cmath>

namespace oval {
namespace {

// v/|v|: +1 or -1 for non-zero v.
double Sign(double v) { return v / std::fabs(v); }

}  // namespace

double& Vec2Component(Vec2& v, int i) { return i == 0 ? v.x : v.y; }

double& Vec3Component(Vec3& v, int i) {
    if (i == 0) return v.x;
    if (i == 1) return v.y;
    return v.z;
}

int Normalize2(Vec2& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y);
    if (length == 0.0) return 0;
    const double inverse = 1.0 / length;
    v.x *= inverse;
    v.y *= inverse;
    return 1;
}

int Normalize3(Vec3& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) return 0;
    const double inverse = 1.0 / length;
    v.x *= inverse;
    v.y *= inverse;
    v.z *= inverse;
    return 1;
}

Vec2 MakeUnit2(Vec2 v) {
    Normalize2(v);
    return v;
}

Vec3 MakeUnit3(double x, double y, double z) {
    Vec3 v{x, y, z};
    Normalize3(v);
    return v;
}

Line3 Line3FromDirectionPoint(Vec3 direction, Vec3 point) {
    return Line3{MakeUnit3(direction.x, direction.y, direction.z), point};
}

Matrix3 Matrix3FromColumns(Vec3 A, Vec3 B, Vec3 C) {
    return Matrix3{{A.x, B.x, C.x, A.y, B.y, C.y, A.z, B.z, C.z}};
}

int NormalizeLine2(Line2& line) {
    const double n = std::sqrt(line.a * line.a + line.b * line.b);
    if (n == 0.0) return 0;
    const double s = line.c != 0.0 ? Sign(line.c) : line.b != 0.0 ? Sign(line.b) : Sign(line.a);
    const double factor = s / n;
    line.a *= factor;
    line.b *= factor;
    line.c *= factor;
    return 1;
}

void LineThroughPoints(Line2& line, Vec2 p, Vec2 q) {
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
    const double factor = (k != 0.0 ? Sign(k) : 1.0) / length;
    line.a = dy * factor;
    line.b = -dx * factor;
    line.c = k * factor;
}

int LineFromDirectionPoint(Line2& line, Vec2 direction, Vec2 point) {
    line.a = direction.y;
    line.b = -direction.x;
    line.c = direction.y * point.x - direction.x * point.y;
    return NormalizeLine2(line);
}

double EvalLine2(const Line2& line, double x, double y) { return line.a * x + line.b * y - line.c; }

int IntersectLines2(const Line2& line, const Line2& other, Vec2* out) {
    const double det = line.a * other.b - other.a * line.b;
    if (det == 0.0) return 0;
    out->x = (line.c * other.b - line.b * other.c) / det;
    out->y = (line.a * other.c - other.a * line.c) / det;
    return 1;
}

double Det3(const Matrix3& m) {
    const double* e = m.m;
    return e[0] * e[4] * e[8] + e[1] * e[5] * e[6] + e[2] * e[3] * e[7] - e[2] * e[4] * e[6] -
           e[1] * e[3] * e[8] - e[0] * e[5] * e[7];
}

int NormalizePlane(Plane& plane) {
    const double n = std::sqrt(plane.a * plane.a + plane.b * plane.b + plane.c * plane.c);
    if (n == 0.0) return 0;
    const double s = plane.d != 0.0   ? Sign(plane.d)
                     : plane.c != 0.0 ? Sign(plane.c)
                     : plane.b != 0.0 ? Sign(plane.b)
                                      : Sign(plane.a);
    const double factor = s / n;
    plane.a *= factor;
    plane.b *= factor;
    plane.c *= factor;
    plane.d *= factor;
    return 1;
}

int PlaneThroughPoints(Plane& plane, Vec3 p1, Vec3 p2, Vec3 p3) {
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

double EvalPlane(const Plane& plane, Vec3 p) { return plane.a * p.x + plane.b * p.y + plane.c * p.z - plane.d; }

int IntersectLinePlane(const Line3& line, const Plane& plane, Vec3* out) {
    const Vec3 n = MakeUnit3(plane.a, plane.b, plane.c);
    const Vec3& u = line.direction;
    const Vec3& p = line.point;
    const double g = n.x * u.x + n.y * u.y + n.z * u.z;
    if (g == 0.0) return 0;
    const double t = (plane.d - (n.x * p.x + n.y * p.y + n.z * p.z)) / g;
    const Vec3 hit{p.x + t * u.x, p.y + t * u.y, p.z + t * u.z};
    *out = hit;
    return 1;
}

}  // namespace oval
