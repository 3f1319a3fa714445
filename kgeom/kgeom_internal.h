// Shared constants and helpers of the geometry library (not exported).
#pragma once

#include <cstdint>

namespace kgeom {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
// The intersection and rounding routines work with a ten-digit π.
inline constexpr double kPi10 = 3.141592654;
inline constexpr double kTwoPi10 = 6.283185308;

// The screen that the view mapping and the clipping assume, in pixels.
inline constexpr double kScreenWidth = 640;
inline constexpr double kScreenHeight = 480;

double direction(double x1, double y1, double x2, double y2);
double distance(double x1, double y1, double x2, double y2);

// Counter-clockwise sweep of an arc from a1 to a2 (radians); equal angles are
// a full circle.
inline double sweepOf(double a1, double a2) { return a1 < a2 ? a2 - a1 : kTwoPi - a1 + a2; }

// Whether angle t (in [0, 2π)) lies on the arc a1 -> a2, with a small slack in
// radians; equal angles are a full circle.
bool onArc(double t, double a1, double a2, double slack);

// The fillet between two lines, exported as roundl.
void filletLines(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* x4,
                 double* y4, double* r, double* xc, double* yc, double* a1, double* a2, int16_t* err,
                 double* theta, int16_t* anglesonly);

} // namespace kgeom
