#include "pipeline/gaps.h"

#include "model/messages.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"
#include "pipeline/end_grid.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"
#include "pipeline/spatial_grid.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace vectrim {

void moveendto(Drawing& d, double px, double py, double qx, double qy, int16_t& found) {
    found = moveFirstEndAt(d, {px, py}, {qx, qy}, std::nullopt) ? 0 : 1;
}

namespace {

bool used(const FreeEnd& f) { return f.x == kGapUsed && f.y == kGapUsed; }
void markUsed(FreeEnd& f) { f.x = f.y = kGapUsed; }

// The free ends in a grid with cells about as large as the gap radius.
class FreeEndGrid {
public:
    FreeEndGrid(const Drawing& d, double t) {
        double extent = 0;
        grid_.reserve(static_cast<size_t>(std::max(d.freecount, 0)));
        for (int32_t j = 0; j < d.freecount; ++j) {
            const FreeEnd& f = d.freeends[j];
            if (!std::isfinite(f.x) || !std::isfinite(f.y))
                continue; // no partner: its distance is not a number
            grid_.add(j, boxAround(f.x, f.y, 0));
            extent = std::max({extent, std::fabs(f.x), std::fabs(f.y)});
        }
        grid_.build(std::max({std::isfinite(t) ? t : 0.0, 4 * kSamePoint, extent * 1e-12}));
    }
    // The free ends that may lie within t of p on each axis, ascending.
    void near(Point p, double t, std::vector<int32_t>& out) const {
        out.clear();
        if (std::isfinite(p.x) && std::isfinite(p.y)) grid_.query(boxAround(p.x, p.y, t), out);
    }

private:
    SpatialGrid grid_;
};

// The nearest later free end within t (not at the same point), or -1. The
// other end of the same line is no partner: joining a line's ends would
// shrink it to a point. An arc may close on itself. Only the ends near end
// i are measured, in table order, so ties go to the first as in a full scan.
int32_t nearestPartner(const Drawing& d, int32_t i, double t, const FreeEndGrid& grid,
                       std::vector<int32_t>& candidates) {
    const FreeEnd& fi = d.freeends[i];
    double best = kNoGap;
    int32_t partner = -1;
    grid.near({fi.x, fi.y}, t, candidates);
    for (const int32_t j : candidates) {
        if (j <= i) continue;
        const FreeEnd& fj = d.freeends[j];
        if (used(fj) || (fj.ref == fi.ref && fi.ref.isLine())) continue;
        const double dist = std::sqrt((fj.x - fi.x) * (fj.x - fi.x) + (fj.y - fi.y) * (fj.y - fi.y));
        if (dist < t && dist < best && dist != 0) {
            best = dist;
            partner = j;
        }
    }
    return partner;
}

} // namespace

void closegaps(Drawing& d, Host& host, double& t) {
    d.freecount = 0;
    findfreeends(d);
    if (d.freecount == 0) return;
    showProgress(host, msg::tr(msg::kClosingGaps));
    // A radius that is not a positive number closes nothing.
    const bool closing = t > 0;
    const FreeEndGrid frees(d, closing ? t : 0);
    const std::vector<char> gone(static_cast<size_t>(d.elementCount()), 0);
    std::optional<EndGrid> ends; // laid when the first gap is found
    std::vector<int32_t> candidates;
    for (int32_t i = 0; i < d.freecount; ++i) {
        FreeEnd& fi = d.freeends[i];
        if (used(fi)) continue;
        const int32_t j = closing ? nearestPartner(d, i, t, frees, candidates) : -1;
        if (j < 0) {
            markUsed(fi);
            continue;
        }
        FreeEnd& fj = d.freeends[j];
        // The element owning end i is stretched onto end j, or else the one
        // owning end j onto end i.
        if (!ends) ends.emplace(d, gone);
        bool found = ends->moveFirstEndAt(d, {fi.x, fi.y}, {fj.x, fj.y}, std::nullopt).item >= 0;
        if (!found) found = ends->moveFirstEndAt(d, {fj.x, fj.y}, {fi.x, fi.y}, std::nullopt).item >= 0;
        if (found) recordGapClosed({fi.x, fi.y}, {fj.x, fj.y});
        markUsed(fi);
        if (found) markUsed(fj);
    }
    d.freecount = 0;
}

} // namespace vectrim
