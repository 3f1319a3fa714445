// Helpers on single elements that many stages share: deletion that keeps the
// tables compact and the contour order table consistent, arc length, and the
// end points and tangent directions of arcs.
#pragma once

#include "model/drawing.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vectrim {

// Removes line k (arc k): later elements move down one slot, the order table
// loses k's entry and later references of the same kind are lowered.
void deleteline(Drawing& d, int32_t k);
void deletearc(Drawing& d, int32_t k);
void deleteElement(Drawing& d, ElementRef ref);

// Removes the given elements at once, with the result of removing them one
// by one with deleteline and deletearc: the tables stay compact and the
// contour order table consistent, when the order table lists every element
// once (orderListsEachOnce). References out of range are ignored.
void removeElements(Drawing& d, const std::vector<ElementRef>& refs);

// Removes elements given by their indices before any of them went, in the
// order one-by-one deletion would take them: one compaction when the order
// table lists every element once, else each goes by itself at its index of
// that moment, so the order table changes as with deleteline and deletearc.
void removeInSequence(Drawing& d, const std::vector<ElementRef>& sequence);

// Whether the used entries of the contour order table name every element
// exactly once.
bool orderListsEachOnce(const Drawing& d);

// Length of an arc from its radius and angles in radians: the sweep is
// a2 - a1 when a1 < a2, otherwise 2π - a1 + a2 (so a1 = a2 is a full circle).
double arclength(double r, double a1, double a2);

// The sweep of an arc in radians by the same rule.
double arcsweep(double a1, double a2);

// Direction of travel (radians) leaving an arc at its end point, and leaving
// it backwards at its start point; a1 and a2 in degrees.
double endTangent(double a2Degrees);
double startTangent(double a1Degrees);

// Length of a line.
double lineLength(const Line& l);

// Length of the element named by a reference (an arc by sweep times radius).
double elementLength(const Drawing& d, ElementRef ref);

// Deletes the first element, in the order of the contour order table,
// shorter than `length`. False when there is none.
bool deleteFirstShorterThan(Drawing& d, double length);

// Middle point of an arc: at a1 + sweep / 2.
Point arcMiddle(const Arc& a);

// Whether the circle routine finds a circle through the three points. It
// finds none when its divisor is zero: three collinear points, or points 1
// and 2 equal; the centre it reports is then meaningless.
bool rechFindsCircle(Point p1, Point p2, Point p3);

// Reshapes an arc onto the circle through its new start p1, its new end p2
// and p3, a point between them on the arc. When the three points give no
// circle and the new ends coincide, the arc has been closed on itself and
// becomes the full circle on its old centre and radius; otherwise such an arc
// is left as it is, and so is one whose new circle is out of number range.
void refitArc(Arc& a, Point p1, Point p2, Point p3);

// Moves the first element end found at P to Q, skipping the element named by
// `skip` (none: no element is skipped). Lines in index order, the start before the end, then
// arcs; an arc's start matches within 0.001, its end within 0.0001, and the
// arc is bent through its other end and its old middle point. False when no
// element has an end at P.
bool moveFirstEndAt(Drawing& d, Point p, Point q, std::optional<ElementRef> skip);

} // namespace vectrim
