// The one construction of the oval, in a frame of unit diameter: x the ratio
// axis, y the diameter axis, z from the pavilion to the table, the girdle
// band centred on z = 0. It is staged so that the correctness check can test
// the crown before the pavilion is built and the crown measures can rebuild
// the crown for a trial "Square table" value; the vertex output, the check
// and the measures all run these same stages.
#pragma once

#include "geometry.hpp"
#include "oval_description.hpp"
#include "oval_params.hpp"

#include <span>

namespace oval {

// Working storage of one construction. Value-initialise it (`OvalFrame f{};`):
// every element starts at zero, and a step that fails leaves zeros behind.
struct OvalFrame {
    Vec3 v[kVertexCount];              // the vertices, unit frame
    Vec2 outline[kGirdleSamples];      // outline samples before the x/y exchange
    Line2 crownLines[8];               // outline tangents at the main girdle points (plan)
    Vec2 crownCorners[8];              // where neighbouring crown tangents meet
    Line2 pavilionLines[8];            // outline tangents at the mid girdle points (plan)
    Vec2 pavilionCorners[8];           // where neighbouring pavilion tangents meet
    Vec3 apex;                         // where the crown's cone would close
    double starFraction = 0.0;         // how far down from the apex the star points lie
    Vec3 up;                           // the vertical unit direction

    Vec3& T(int i) { return v[kTableCorner + (i & 7)]; }
    Vec3& S(int i) { return v[kStarPoint + (i & 7)]; }
    Vec3& U(int j) { return v[kUpperGirdle + (j & 63)]; }
    Vec3& L(int j) { return v[kLowerGirdle + (j & 63)]; }
    Vec3& P(int i) { return v[kPavilionPoint + (i & 7)]; }
    Vec3& C() { return v[kCulet]; }
};

// The star fraction for a "Square table" value x: (1 + √2)/2·table at 0,
// 1 at +1, 1 − table at −1, linear on each side of 0.
double StarFraction(double table, double squareTable);

// The 64 upper and lower girdle points from the outline. An out-of-range
// squareness leaves the outline at zero: every girdle point on the axis.
void BuildGirdle(const OvalParams& p, OvalFrame& f);

// The same girdle points, only those of the listed samples: each sample
// depends on its own angle alone, so they come out exactly as in BuildGirdle.
void BuildGirdleSamples(const OvalParams& p, OvalFrame& f, std::span<const int> samples);

// The crown apex: where the cone of the crown mains would close.
void PlaceCrownApex(const OvalParams& p, OvalFrame& f);
// Table corner i, on the way from the apex to main girdle point 8i.
void PlaceTableCorner(const OvalParams& p, OvalFrame& f, int i);
// The outline's tangent at main girdle point 8i (needs samples 8i and 8i ± 1).
void PlaceCrownLine(OvalFrame& f, int i);
// Where crown tangents i and i + 1 meet; stays put for parallel lines.
void PlaceCrownCorner(OvalFrame& f, int i);
// Star point i for the star fraction already in the frame.
void PlaceStarPoint(const OvalParams& p, OvalFrame& f, int i);

// Crown apex, table corners, crown tangent lines and crown corners.
void BuildCrownFrame(const OvalParams& p, OvalFrame& f);

// The eight star points for the given "Square table" value.
void PlaceStarPoints(const OvalParams& p, double squareTable, OvalFrame& f);

// The upper girdle facets: each plane through a star point and two girdle
// points, the three girdle points between them moved vertically onto it.
void CutUpperGirdleFacets(OvalFrame& f);

// The whole crown for the block's own "Square table".
void BuildCrown(const OvalParams& p, OvalFrame& f);

// Culet, pavilion tangent lines and corners, pavilion points, lower girdle facets.
void BuildPavilion(const OvalParams& p, OvalFrame& f);

// The whole stone: girdle, crown, pavilion.
void BuildOval(const OvalParams& p, OvalFrame& f);

// The 153 vertices, scaled by the diameter, into 459 doubles (mm).
void WriteVertices(const OvalFrame& f, double diameter, double* vertices);

}  // namespace oval
