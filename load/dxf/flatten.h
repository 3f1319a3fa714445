// Flattening of curves into lines. Every curve keeps a chord deviation of at
// most kCurveDeviation (0.01 drawing units) and gets at least `quality` lines
// per full turn: an elliptical arc quality * sweep / 360 lines; a spline
// quality lines in all, shared among its knot spans by their length; a
// cubic Bezier of a glyph quality * its turning / 360 lines.
#pragma once

#include "geom.h"
#include "limits.h"
#include "source.h"

#include <cstdint>
#include <vector>

namespace dxf {

// Segments needed for a sweep (radians) with steps of at most maxStep and
// at least quality segments per full turn; 1 .. kMaxCurveSegments.
int32_t segmentCount(double sweep, double maxStep, int32_t quality);

// centre + p cos t + q sin t, t0 .. t1: the points from t0 to t1.
void flattenEllipse(Vec2 centre, Vec2 p, Vec2 q, double t0, double t1, int32_t quality,
                    std::vector<Vec2>& points);

// A cubic Bezier: appends the points after p0, ending with p3.
void flattenCubic(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int32_t minSegments, std::vector<Vec2>& points);
// The least number of segments the turning of a Bezier asks for.
int32_t cubicTurnSegments(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int32_t quality);

// A SPLINE placed by m: the points of its flattening. False when its data
// do not make a curve (too few points, an absurd degree, values that are not
// finite).
bool flattenSpline(const Source& spline, const Matrix& m, int32_t quality, std::vector<Vec2>& points);

} // namespace dxf
