/*
 * kgeom — small stateless numeric routines for 2D drawings.
 *
 * Every export is a C procedure without a result. Every argument is passed
 * by pointer to the caller's own variable, and a routine may write any of its
 * arguments, inputs included (`bilz`, `rech` and `kskalieren` do). Callers
 * pass variables, never addresses of constants, and expect those writes.
 *
 * Doubles are millimetres or radians (counter-clockwise from +x, y up, in
 * [0, 2π) wherever `winkelx` produces them). The few integer arguments are
 * 16-bit signed. No export throws, raises a signal or reads outside its
 * arguments; failure is reported through the flag arguments.
 *
 * The library is meant to be bound by name (dlopen/dlsym) as well as linked.
 */
#ifndef KGEOM_H
#define KGEOM_H

#include <stdint.h>

#if defined(__GNUC__)
#define KGEOM_API __attribute__((visibility("default")))
#else
#define KGEOM_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- core ------------------------------------------------------------- */

/* Direction angle of the vector from point 1 to point 2, in [0, 2π).
 * Equal points give 0. Exact comparisons, no tolerance. */
KGEOM_API void winkelx(double* x1, double* y1, double* x2, double* y2, double* w);
/* Same result as winkelx. */
KGEOM_API void winkelxb(double* x1, double* y1, double* x2, double* y2, double* w);
/* Distance of the two points. */
KGEOM_API void differenz(double* x1, double* y1, double* x2, double* y2, double* d);
/* Point on a circle, y up: x = xc + r cos w, y = yc + r sin w. */
KGEOM_API void kdaten(double* xc, double* yc, double* r, double* w, double* x, double* y);
/* Point on a circle for a y-down screen: x = xc + r cos w, y = yc - r sin w. */
KGEOM_API void kdaten2(double* xc, double* yc, double* r, double* w, double* x, double* y);
/* Circle through three points. Points 1 and 2 are the ends of an arc, point 3
 * lies on it between them. Writes centre, radius and the angles w1, w2 so
 * that the arc runs counter-clockwise from w1 to w2 through point 3. For a
 * horizontal chord the coordinates of the three points are swapped in the
 * caller's variables while it works and swapped back. Three collinear points
 * give no circle: the centre is then meaningless (the divisor is zero and
 * the routine leaves the value undivided). */
KGEOM_API void rech(double* x1, double* y1, double* x2, double* y2, double* xc, double* yc, double* w1,
                    double* w2, double* r, double* x3, double* y3);
/* Rotate a line about (x0, y0) by dw, counter-clockwise. */
KGEOM_API void drehlinie(double* x0, double* y0, double* dw, double* x1, double* y1, double* x2, double* y2);
/* Rotate an arc about (x0, y0) by dw. A full circle (w1 < 0.001 and
 * |w2 - 2π| < 0.001, single-precision 0.001) stays 0 .. 2π. */
KGEOM_API void drehkreis(double* x0, double* y0, double* dw, double* xc, double* yc, double* r, double* w1,
                         double* w2);
/* Scale a line about (x0, y0): x' = x0 + fx (x - x0), y' = y0 + fy (y - y0). */
KGEOM_API void lskalieren(double* x0, double* y0, double* fx, double* fy, double* x1, double* y1, double* x2,
                          double* y2);
/* Scale an arc about (x0, y0); the radius takes |fx|. The arc keeps running
 * counter-clockwise through its scaled middle point, so a negative factor
 * exchanges start and end. */
KGEOM_API void kskalieren(double* x0, double* y0, double* fx, double* fy, double* r, double* xc, double* yc,
                          double* w1, double* w2);
/* Screen pixel (px, py) of a 640 x 480 view to drawing coordinates. */
KGEOM_API void ersatz1(double* px, double* py, double* x, double* y, double* xmin, double* xmax, double* ymin,
                       double* ymax);
/* Drawing point to screen pixel; writes nothing for an empty view span. */
KGEOM_API void ersatz2(double* px, double* py, double* x, double* y, double* xmin, double* xmax, double* ymin,
                       double* ymax);
/* Clip a pixel line to the 640 x 480 screen; outside = 1 when nothing of it
 * is to be drawn. The end points may come back exchanged. */
KGEOM_API void bilz(double* x1, double* y1, double* x2, double* y2, int16_t* outside);
/* Busy wait for the given seconds of wall-clock time of day. Non-finite or
 * non-positive values return at once; waits are capped at 60 s. */
KGEOM_API void mpause(double* seconds);

/* ---- intersections ---------------------------------------------------- */

/* Crossing point of two segments P1-P2 and P3-P4: ok = 1 for a proper
 * crossing inside both segments (a point within 0.005 of an end point is no
 * crossing). The eight coordinates are restored on every exit. */
KGEOM_API void lschnittpunkt(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3,
                             double* x4, double* y4, double* xs, double* ys, int16_t* ok);
/* Intersections of two arcs (centre, radius, start and end angle each; an
 * arc with equal angles counts as a full circle).
 *   m: number of intersection points of the two full circles (0, 1 when they
 *      touch, 2), or -1 for unusable input (a radius <= 0, a non-finite
 *      value, coincident centres);
 *   n: how many of those points lie on both arcs; these come first.
 * Unused point slots are set to 0. */
KGEOM_API void kschnittpunkt(double* cx1, double* cy1, double* r1, double* a1s, double* a1e, double* cx2,
                             double* cy2, double* r2, double* a2s, double* a2e, double* xs1, double* ys1,
                             double* xs2, double* ys2, int16_t* n, int16_t* m);
/* Intersections of an arc and a line segment.
 *   m: number of intersection points of the full circle with the infinite
 *      line (0, 1 when it touches, 2), -1 for unusable input (radius <= 0,
 *      zero-length segment, non-finite value);
 *   n: how many lie on the arc and on the segment; these come first, in the
 *      order of the segment from (x1, y1) to (x2, y2). */
KGEOM_API void klschnittpunkt(double* cx, double* cy, double* r, double* a1, double* a2, double* x1,
                              double* y1, double* x2, double* y2, double* xs1, double* ys1, double* xs2,
                              double* ys2, int16_t* n, int16_t* m);

/* ---- rounding --------------------------------------------------------- */

/* roundl shares its name with the C library's long-double rounding, so it is
 * declared only for callers that ask for it (and must not include <math.h>).
 * C++ callers bind it, like every export, through kgeom_api.h. */
#ifdef KGEOM_DECLARE_ROUNDL
/* Fillet of radius r between two lines that meet at (x1, y1) = (x3, y3);
 * (x2, y2) and (x4, y4) are the far ends. Moves the corner ends to the
 * tangent points and returns the fillet centre and its angles a1 -> a2
 * (counter-clockwise, on the corner's side); theta is the angle between the
 * lines. err = 1 (coordinates restored) when no fillet fits. anglesonly = 1
 * computes theta only. */
KGEOM_API void roundl(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* x4,
                      double* y4, double* r, double* xc, double* yc, double* a1, double* a2, int16_t* err,
                      double* theta, int16_t* anglesonly);
#endif
/* Fillet between an arc (cx, cy, r, a1, a2) and a line (x1, y1)-(x2, y2) that
 * share an end point (within tol per axis; tol <= 0 means 0.001).
 * The fillet of radius fr lies on the corner's side, tangent to the line and
 * to the arc's circle. On success (err = 0) the shared ends of arc and line
 * are cut back to the tangent points and (fxc, fyc) is the fillet centre; its
 * angles are winkelx from the centre to the two tangent points, taken so that
 * the sweep is below π. computeonly = 1 leaves arc and line unchanged and
 * only writes the centre. err = 1 when no fillet fits (nothing is written).
 * Arguments: cx, cy, r (in); a1, a2, x1, y1, x2, y2, fxc, fyc, fr (in/out;
 * fr stays the requested radius); tol (in); computeonly (in); err (out). */
KGEOM_API void roundkl(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1,
                       double* x2, double* y2, double* fxc, double* fyc, double* fr, double* tol,
                       int16_t* computeonly, int16_t* err);
/* Fillet of radius fr between two arcs that share an end point (within tol
 * per axis; tol <= 0 means 0.001). Same conventions as roundkl: on success
 * both arcs are cut back at the shared end to the tangent points and
 * (fxc, fyc) is the fillet centre.
 * Arguments: cx1, cy1, r1 (in); a1s, a1e (in/out); cx2, cy2, r2 (in);
 * a2s, a2e (in/out); fxc, fyc (out); fr, tol (in); computeonly (in);
 * err (in/out: cleared, 1 on failure). */
KGEOM_API void roundkk(double* cx1, double* cy1, double* r1, double* a1s, double* a1e, double* cx2,
                       double* cy2, double* r2, double* a2s, double* a2e, double* fxc, double* fyc,
                       double* fr, double* tol, int16_t* computeonly, int16_t* err);
/* Round x to n decimals (n capped at 18, halves to even); n < 1 leaves x. */
KGEOM_API void rounder(double* x, int16_t* n);
/* Nearest point of an arc (cx, cy, r, a1, a2; equal angles = full circle) to
 * the point (px, py): distance d, the point (qx, qy), its angle t, and
 * on = 1 when the foot of the point lies inside the arc's sweep (then
 * d = |r - |CP||), else 0 (the nearer end point is taken). */
KGEOM_API void comparer(double* px, double* py, double* cx, double* cy, double* r, double* a1, double* a2,
                        double* d, double* qx, double* qy, double* t, int16_t* on);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* KGEOM_H */
