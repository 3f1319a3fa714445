// The drawing model: parallel tables of lines and arcs with fixed
// capacities, the contour order table and the free-end table.
//
// Slots 0 .. count - 1 of each table are valid; the slots above hold stale
// values. At most 99999 lines and 99999 arcs are held. An element reference
// is a line index, or an arc index + 100000.
#pragma once

#include "tolerances.h"

#include <cstdint>
#include <vector>

namespace vectrim {

struct Line {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int16_t contour = -1;
};

// An arc runs counter-clockwise from a1 to a2 (degrees, 0 .. 360); a full
// circle is 0 .. 360.
struct Arc {
    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
    int16_t contour = -1;
};

// One entry of the free-end table: a point, the element it belongs to and
// which end it is (1 start, 2 end). Consumed entries hold -1.111 as x and y.
struct FreeEnd {
    double x = 0, y = 0;
    int32_t ref = 0;
    int16_t end = 0;
};

struct Point {
    double x = 0, y = 0;
};

struct Drawing {
    std::vector<Line> lines; // kTableSlots
    int32_t linecount = 0;
    std::vector<Arc> arcs; // kTableSlots
    int32_t arccount = 0;
    std::vector<int32_t> order;    // kOrderSlots: the contour order table
    std::vector<FreeEnd> freeends; // kFreeEndSlots
    int32_t freecount = 0;
    std::vector<double> markAngle; // kFreeEndSlots: corner angle of a direction mark, degrees

    Drawing();

    // Sets both counts to 0; the tables keep their contents.
    void clear() { linecount = arccount = 0; }
    int32_t elementCount() const { return linecount + arccount; }

    // Appends an element: writes its slot and its order entry, and raises the
    // count unless the table is full. Returns false when it was full.
    bool appendLine(double x1, double y1, double x2, double y2, int16_t contour = -1);
    bool appendArc(double cx, double cy, double r, double a1, double a2, int16_t contour = -1);
};

inline bool isArcRef(int32_t ref) { return ref >= kArcRef; }

// Brings an angle in degrees into 0 .. 360 (360 stays 360).
double normalisedAngle(double degrees);

// End points of an arc (angles in the table's degrees).
Point arcStart(const Arc& a);
Point arcEnd(const Arc& a);

// Whether two points coincide: |dx| < tol and |dy| < tol.
inline bool coincide(double x1, double y1, double x2, double y2, double tol = kSamePoint) {
    const double dx = x1 - x2, dy = y1 - y2;
    return dx < tol && dx > -tol && dy < tol && dy > -tol;
}

} // namespace vectrim
