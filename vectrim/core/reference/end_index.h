// The end points of all lines and arcs, sorted by x, to find the ends that
// coincide with a point without comparing it with every element.
#pragma once

#include "model/drawing.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vectrim::reference {

class EndIndex {
public:
    struct End {
        double x, y;
        ElementRef ref;
        EndCode end;
    };

    explicit EndIndex(const Drawing& d);

    // Calls f(const End&) for every end that coincides with P (|dx| < tol and
    // |dy| < tol); stops early when f returns true, and then returns true.
    template <class F>
    bool anyAt(Point p, double tol, F&& f) const {
        // The scan is wider than the tolerance; the exact test decides.
        const double lo = p.x - 2 * tol, hi = p.x + 2 * tol;
        auto it =
            std::lower_bound(ends_.begin(), ends_.end(), lo, [](const End& e, double x) { return e.x < x; });
        for (; it != ends_.end() && it->x <= hi; ++it)
            if (coincide(p.x, p.y, it->x, it->y, tol) && f(*it)) return true;
        return false;
    }

private:
    std::vector<End> ends_; // sorted by x; ends with a coordinate that is not a number are left out
};

} // namespace vectrim::reference
