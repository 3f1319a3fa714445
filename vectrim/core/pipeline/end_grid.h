// The ends of a drawing's lines and arcs in a grid, for the stages that
// stretch an element end onto another point: the first element with an end
// at a point, and how many element ends lie there, as the full scans over
// the tables find them. Elements keep the numbers they had when the grid was
// made (lines, then arcs: their dense index) while the stage marks some as
// gone instead of deleting them.
#pragma once

#include "model/drawing.h"
#include "pipeline/spatial_grid.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vectrim {

class EndGrid {
public:
    // Lays the ends of every element of d; `gone` (one flag per dense index,
    // owned by the caller) names the elements that no longer count.
    EndGrid(const Drawing& d, const std::vector<char>& gone);

    ElementRef refOf(int32_t item) const {
        return item < lines_ ? ElementRef::line(item) : ElementRef::arc(item - lines_);
    }
    int32_t itemOf(ElementRef ref) const { return ref.isArc() ? lines_ + ref.index() : ref.index(); }

    // The elements present (not gone) that may have an end within r of p
    // on each axis: a superset, lines by index, then arcs.
    void near(Point p, double r, std::vector<int32_t>& out) const;

    // After an element's ends moved: its new ends are found too.
    void moved(const Drawing& d, int32_t item);

    // The number of ends of elements other than `self` that lie at p
    // (within 0.001 on each axis).
    int32_t endsAt(const Drawing& d, Point p, ElementRef self);

    struct Move {
        int32_t item = -1; // the element stretched, -1 when none has an end at P
        Point start, end;  // its ends before
    };
    // What moveFirstEndAt does: the first element (lines by index, the start
    // before the end, then arcs) other than `skip` with an end at P gets
    // that end moved to Q.
    Move moveFirstEndAt(Drawing& d, Point p, Point q, std::optional<ElementRef> skip);

    // The two ends of an element.
    static void endsOf(const Drawing& d, ElementRef ref, Point& start, Point& end);

    // Moves the end of the element (whose ends are start and end) that lies
    // at P to Q: a line's start before its end; an arc is refitted through
    // its middle, its end matched within arcEndMatch. False when neither end
    // lies at P.
    static bool moveEndAt(Drawing& d, ElementRef ref, Point start, Point end, Point p, Point q,
                          double arcEndMatch = kSamePoint);

private:
    int32_t lines_;
    const std::vector<char>& gone_;
    SpatialGrid grid_;
    std::vector<int32_t> found_;
    void add(int32_t item, Point p);
};

} // namespace vectrim
