// Element ends in square cells, to find the elements with an end near a
// point without visiting every element: the checks of "Kontrolle" and the
// analysis. Each end lies in one cell; cells are hashed into a table laid
// out in flat arrays. A query's box reaches 1.25 tolerances from its point
// on each axis: every end whose difference from the point is below the
// tolerance on both axes, or whose distance is, lies in it (the rounding of
// the box edges is monotone). The cells are more than three times as wide
// as the box, so a query looks into at most 2 x 2 cells; it gives a
// superset of the elements with an end within the tolerance, ascending, each
// once, and the caller applies its exact test.
#pragma once

#include "model/drawing.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vectrim {

class EndCells {
public:
    static constexpr double kReach = 1.25; // the query box, in tolerances from the point

    struct End {
        double x, y;
        int32_t item;
    };

    // Adds an end of element `item` (0 or more). A point that is not finite
    // is left out: it coincides with nothing.
    void add(int32_t item, Point p);

    // Lays the cells for queries with tolerance `tol` (per axis).
    void build(double tol);

    // Calls visit(end) for every end within the query box of p (a superset of those that coincide with p), in no order,
    // until visit returns true; true when it did. Nothing when p is not
    // finite.
    template <typename Visit>
    bool anyNear(Point p, Visit&& visit) const;

    // The elements with an end within the query box of p (of p or q),
    // in ascending order, each once.
    void near(Point p, std::vector<int32_t>& out) const;
    void near(Point p, Point q, std::vector<int32_t>& out) const;

private:
    std::vector<End> ends_;       // in the order added, then bucket after bucket
    std::vector<int32_t> starts_; // per bucket: first position in ends_
    double tol_ = 0, inverse_ = 0, extent_ = 0;
    uint64_t mask_ = 0;

    uint64_t bucket(int64_t x, int64_t y) const;
    // The buckets of the cells p's box covers, each once; 0 when p is not
    // finite or far beyond every end.
    int buckets(Point p, uint64_t (&out)[9]) const;
};

template <typename Visit>
bool EndCells::anyNear(Point p, Visit&& visit) const {
    uint64_t b[9];
    const int n = buckets(p, b);
    const double w = kReach * tol_;
    for (int k = 0; k < n; ++k) {
        for (int32_t i = starts_[b[k]]; i < starts_[b[k] + 1]; ++i) {
            const End& e = ends_[static_cast<size_t>(i)];
            const double dx = e.x - p.x, dy = e.y - p.y;
            if (dx <= w && dx >= -w && dy <= w && dy >= -w && visit(e)) return true;
        }
    }
    return false;
}

// The start and end point of every element, numbered as the lines, then
// the arcs after the line count, in cells for one tolerance.
class ElementEnds {
public:
    ElementEnds(const Drawing& d, double tol);

    size_t size() const { return start_.size(); }
    Point start(size_t k) const { return start_[k]; }
    Point end(size_t k) const { return end_[k]; }

    // Whether p coincides with an end of an element other than `self`. An
    // arc whose two ends coincide is a closed circle: its own other end
    // counts, so a circle is never open.
    bool touchesOther(Point p, size_t self);

    // The number of elements with an end that coincides with p.
    int32_t countAt(Point p);

private:
    double tol_;
    size_t lines_;
    std::vector<Point> start_, end_;
    EndCells cells_;
    std::vector<int32_t> near_;
};

} // namespace vectrim
