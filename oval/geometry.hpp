// Small value types of plan-view and spatial geometry, with fixed sign rules.
// Every "is zero" test is an exact comparison; a failed operation returns 0
// and leaves its output untouched, so a caller that ignores the failure goes
// on with whatever the output held (zero, in working arrays).
#pragma once

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

}  // namespace oval
