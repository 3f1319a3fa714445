// The literal element joining, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "kgeom_api.h"
#include "pipeline/elements.h"
#include "pipeline/repair_places.h"

#include <cmath>

namespace vectrim::reference {

namespace {

void swapvalues(double& a, double& b) {
    const double t = a;
    a = b;
    b = t;
}

void arccos(double x, double& result) {
    if (x > 1 || x < -1) {
        result = 0;
    } else if (x > 0) {
        result = std::atan(std::sqrt(1 - x * x) / x);
    } else if (x < 0) {
        result = kPiShort - std::atan(std::sqrt(1 - x * x) / std::fabs(x));
    } else if (x == 0) {
        result = kPi / 2;
    } else {
        result = x; // not a number: the pair is not merged
    }
}

Point pointAt(const Arc& a, double degrees) {
    const double w = degrees * kDegToRadShort;
    return {a.cx + a.r * std::cos(w), a.cy + a.r * std::sin(w)};
}

// Whether arc j continues arc i counter-clockwise on the same circle.
bool continues(const Arc& i, const Arc& j) {
    if (!coincide(i.cx, i.cy, j.cx, j.cy) || !(std::fabs(i.r - j.r) < kArcJoinRadius)) return false;
    const bool angles = std::fabs(i.a2 - j.a1) < kArcJoinAngle ||
                        (std::fabs(i.a2 - 360) < kArcJoinFull && std::fabs(j.a1) < kArcJoinFull);
    if (!angles) return false;
    const Point ie = pointAt(i, i.a2), js = pointAt(j, j.a1);
    return coincide(ie.x, ie.y, js.x, js.y);
}

// One pass over all pairs; the first merge ends it. False when nothing merged.
bool joinOnePair(Drawing& d) {
    for (int32_t i = 0; i < d.arccount; ++i) {
        for (int32_t j = i + 1; j < d.arccount; ++j) {
            Arc& ai = d.arcs[i];
            const Arc& aj = d.arcs[j];
            if (!continues(ai, aj)) continue;
            const Point is = pointAt(ai, ai.a1), je = pointAt(aj, aj.a2);
            recordJoined(pointAt(ai, ai.a2));
            if (coincide(is.x, is.y, je.x, je.y)) {
                ai.a1 = 0; // closed on itself
                ai.a2 = 360;
            } else {
                ai.a2 = aj.a2;
            }
            deletearc(d, j);
            return true;
        }
    }
    return false;
}

void reverse(Line& l) {
    swapvalues(l.x1, l.x2);
    swapvalues(l.y1, l.y2);
}

// Turns A and B so that A ends where B starts. False when they share no end.
bool orientPair(Line& a, Line& b) {
    if (coincide(a.x1, a.y1, b.x1, b.y1, kJoinEndMatch)) {
        reverse(a);
    } else if (coincide(a.x2, a.y2, b.x1, b.y1, kJoinEndMatch)) {
    } else if (coincide(a.x1, a.y1, b.x2, b.y2, kJoinEndMatch)) {
        reverse(a);
        reverse(b);
    } else if (coincide(a.x2, a.y2, b.x2, b.y2, kJoinEndMatch)) {
        reverse(b);
    } else {
        return false;
    }
    return true;
}

// How far the shared point lies from the line from A's start to B's end.
double deviation(const Line& a, const Line& b) {
    const double la = lineLength(a), lb = lineLength(b);
    const double c = std::sqrt((b.x2 - a.x1) * (b.x2 - a.x1) + (b.y2 - a.y1) * (b.y2 - a.y1));
    if (2 * la * c == 0) return 1.1;
    double angle = 0;
    arccos((la * la + c * c - lb * lb) / (2 * la * c), angle);
    return std::fabs(std::sin(angle)) * la;
}

} // namespace

void joinarcs(Drawing& d) {
    while (joinOnePair(d)) {}
}

void joinlines(Drawing& d) {
    for (int32_t i = 0; i < d.linecount; ++i) {
        for (int32_t j = i + 1; j < d.linecount; ++j) {
            Line& a = d.lines[i];
            Line& b = d.lines[j];
            if (!orientPair(a, b)) continue;
            const double wa = kg::winkelx(a.x1, a.y1, a.x2, a.y2);
            const double wb = kg::winkelx(b.x1, b.y1, b.x2, b.y2);
            if (std::fabs(wa - wb) > kJoinDirection) continue;
            if (!(deviation(a, b) < kJoinDeviation)) continue;
            recordJoined({a.x2, a.y2});
            a.x2 = b.x2;
            a.y2 = b.y2;
            deleteline(d, j);
            // Not only the lines after B: a chain of collinear lines listed
            // out of order still becomes one line.
            j = i; // the longer A is compared with every later line again
        }
    }
}

} // namespace vectrim::reference
