// The drawing model: parallel tables of lines and arcs with fixed
// capacities, the contour order table and the free-end table.
//
// Slots 0 .. count - 1 of each table are valid; the slots above hold stale
// values (zero bytes where nothing was ever stored) and are never read. At
// most 99999 lines and 99999 arcs are held.
// The contour order table and the free-end table name elements by
// ElementRef (element_ref.h).
#pragma once

#include "element_ref.h"
#include "table_allocator.h"
#include "tolerances.h"

#include <algorithm>
#include <cstdint>
#include <span>
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
    ElementRef ref;
    EndCode end = EndCode::None;
};

struct Point {
    double x = 0, y = 0;
};

struct Drawing {
    Table<Line> lines; // kTableSlots
    int32_t linecount = 0;
    Table<Arc> arcs; // kTableSlots
    int32_t arccount = 0;
    Table<ElementRef> order; // kOrderSlots: the contour order table
    Table<FreeEnd> freeends; // kFreeEndSlots
    int32_t freecount = 0;
    Table<double> markAngle; // kFreeEndSlots: corner angle of a direction mark, degrees

    Drawing();

    // Sets both counts to 0; the tables keep their contents.
    void clear() { linecount = arccount = 0; }
    int32_t elementCount() const { return linecount + arccount; }

    // The used slots.
    std::span<Line> usedLines() { return {lines.data(), static_cast<size_t>(linecount)}; }
    std::span<const Line> usedLines() const { return {lines.data(), static_cast<size_t>(linecount)}; }
    std::span<Arc> usedArcs() { return {arcs.data(), static_cast<size_t>(arccount)}; }
    std::span<const Arc> usedArcs() const { return {arcs.data(), static_cast<size_t>(arccount)}; }
    // The entries of the order table for the elements held.
    std::span<const ElementRef> usedOrder() const {
        return {order.data(), static_cast<size_t>(std::min(elementCount(), kOrderSlots))};
    }
    std::span<const FreeEnd> usedFreeEnds() const {
        return {freeends.data(), static_cast<size_t>(std::min(freecount, kFreeEndSlots))};
    }

    // Whether a reference names an element below the counts.
    bool holds(ElementRef ref) const {
        return ref.isArc() ? ref.index() < arccount : ref.isLine() && ref.index() < linecount;
    }
    // A number per element, 0 .. elementCount() - 1: the lines, then the arcs.
    int32_t denseIndex(ElementRef ref) const { return ref.isArc() ? linecount + ref.index() : ref.index(); }
    // The contour number of the element a reference names.
    int16_t contourOf(ElementRef ref) const {
        return ref.isArc() ? arcs[ref.index()].contour : lines[ref.index()].contour;
    }

    // Appends an element: writes its slot and its order entry, and raises the
    // count unless the table is full. Returns false when it was full.
    bool appendLine(double x1, double y1, double x2, double y2, int16_t contour = -1);
    bool appendArc(double cx, double cy, double r, double a1, double a2, int16_t contour = -1);
};

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
