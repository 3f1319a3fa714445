/*
 * smooth — the rounding functions of the smoothing stages: kinks and corners
 * between an arc and a line, and between two arcs.
 *
 * Calling contract (the same as kgeom's): every export is a C procedure
 * without a result; every argument is a pointer to the caller's variable;
 * "in place" arguments are overwritten with the new geometry on success and
 * left as they were on failure. Lengths are millimetres, angles radians.
 *
 * An arc is five values: centre X, centre Y, radius, start angle, end angle.
 * It always runs counter-clockwise from its start angle to its end angle;
 * the angles it returns lie in [0, 2π) (as kgeom's winkelx gives them). A
 * line is four values: X1, Y1, X2, Y2. Two end points meet when
 * |dx| < 0.001 and |dy| < 0.001.
 *
 * The direction of travel at a junction: walk along the first element into
 * the common point and on along the second one. The deflection is the angle
 * between the direction arriving and the direction leaving (0 = tangent
 * continuation, π = reversal).
 *
 * Every function guards its own arithmetic: unusable input (a radius <= 0,
 * a non-finite value, coincident points, parallel directions, no
 * intersection) sets the error flag and changes nothing. A result that comes
 * back with the flag 0 has been checked: its common points coincide and its
 * directions of travel agree to within 1e-7 (mm, rad); the callers check
 * arc limits and tolerances on top.
 *
 * runderkl, runder1c and sroundm1 are not provided: no stage calls them.
 */
#ifndef SMOOTH_H
#define SMOOTH_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- an arc and a line ----------------------------------------------- */

/* Whether arc and line share an end point and the deflection there.
 * touch (out): 1 when an end of the arc meets an end of the line, else 0
 * (also for unusable input). The ends are compared in this order: arc start
 * with line start, arc start with line end, arc end with line start, arc
 * end with line end; the first that meets counts.
 * deflection (out): radians in [0, π] at that point (0 when they do not
 * touch). */
void getkl2(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
            double* y2, int16_t* touch, double* deflection);

/* Makes arc and line meet tangentially; the far end of the line and the far
 * end of the arc stay where they are (the ends meeting as in getkl2). The
 * line keeps its far end and its direction, the arc keeps its far end and
 * its tangent there (so the junctions at both far ends stay as they were);
 * the new common point is where the line touches the circle that is tangent
 * to the arc's tangent at its far end. The radius changes, and the arc may
 * bend the other way when the kink asks for it.
 * err (out): 0 on success, 1 when no such circle exists, the common point
 * would lie beyond the line's far end or the arc would sweep more than π. */
void kliner(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
            double* y2, int16_t* err);

/* Fillet of radius fr between an arc and a line that share an end point: the
 * fillet touches the line and the arc's circle on the corner's side; arc and
 * line are cut back at the shared end to the tangent points (the far ends
 * stay). Returns the fillet's centre (fxc, fyc) and its angles fa1 -> fa2,
 * running counter-clockwise, ordered so that the path arc - fillet - line
 * (or line - fillet - arc) turns the way the corner turned.
 * fr (in): the radius, unchanged. err (out): 0 on success, 1 when no such
 * fillet fits on the two elements. */
void klrund(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
            double* y2, double* fxc, double* fyc, double* fr, double* fa1, double* fa2, int16_t* err);

/* ---- two arcs ----------------------------------------------------------- */

/* How two arcs meet.
 * type (out): 0 when no end of arc 1 meets an end of arc 2 (or for unusable
 * input); otherwise |type| names the meeting ends, tried in this order:
 *   1 end of arc 1 on start of arc 2     2 start of arc 1 on end of arc 2
 *   3 start of arc 1 on start of arc 2   4 end of arc 1 on end of arc 2
 * (1 and 2: one arc runs on into the other; 3 and 4: they run in opposite
 * senses). The sign is + when the path from arc 1 into arc 2 turns left at
 * the junction, - when it turns right.
 * deflection (out): radians in [0, π] (0 when type is 0). */
void gettyp2(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* type, double* deflection);

/* Reshapes two arcs that meet at the junction of the given type (as gettyp2
 * returns it; only |type| is used) into a biarc: the two far ends and the
 * directions of travel there stay, and the arcs meet tangentially at a new
 * junction point. An arc may come back with start and end exchanged when
 * its piece of the biarc turns the other way. err (out): 0 on success, 1
 * when the ends of that type do not meet or no biarc exists (a straight
 * piece, a cusp, coincident far ends).
 * The functions differ only in the junction point they choose, so that a
 * caller has a second chance:
 *   runde2b, runde3bc, runde4bc: the point nearest the old junction;
 *   runde1b, runde3b,  runde4b:  the point with equal tangent lengths.
 * Each accepts all four types. */
void runde1b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type);
void runde2b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type);
void runde3b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type);
void runde3bc(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
              double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type);
void runde4b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type);
void runde4bc(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
              double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type);

/* Fillet of radius fr between two arcs at their junction: the fillet touches
 * both circles on the corner's side, both arcs are cut back at the junction
 * to the tangent points (their far ends stay). Returns the fillet's centre
 * and its angles fa1 -> fa2 (counter-clockwise, ordered so that the path
 * from arc 1 over the fillet into arc 2 turns the way the corner turned).
 * fr (in): the radius, unchanged.
 * flag (in/out): in, the junction type as gettyp2 returns it; out, 0 on
 * success, 1 when the ends of that type do not meet or no fillet fits. */
void sround2(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, double* fxc, double* fyc, double* fr, double* fa1,
             double* fa2, int16_t* flag);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* SMOOTH_H */
