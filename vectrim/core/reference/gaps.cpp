// The literal gap closing, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

#include <cmath>

namespace vectrim::reference {

void moveendto(Drawing& d, double px, double py, double qx, double qy, int16_t& found) {
    found = reference::moveFirstEndAt(d, {px, py}, {qx, qy}, std::nullopt) ? 0 : 1;
}

namespace {

bool used(const FreeEnd& f) { return f.x == kGapUsed && f.y == kGapUsed; }
void markUsed(FreeEnd& f) { f.x = f.y = kGapUsed; }

// The nearest later free end within t (not at the same point), or -1. The
// other end of the same line is no partner: joining a line's ends would
// shrink it to a point. An arc may close on itself.
int32_t nearestPartner(const Drawing& d, int32_t i, double t) {
    const FreeEnd& fi = d.freeends[i];
    double best = kNoGap;
    int32_t partner = -1;
    for (int32_t j = i + 1; j < d.freecount; ++j) {
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
    reference::findfreeends(d);
    if (d.freecount == 0) return;
    showProgress(host, msg::tr(msg::kClosingGaps));
    for (int32_t i = 0; i < d.freecount; ++i) {
        FreeEnd& fi = d.freeends[i];
        if (used(fi)) continue;
        const int32_t j = nearestPartner(d, i, t);
        if (j < 0) {
            markUsed(fi);
            continue;
        }
        FreeEnd& fj = d.freeends[j];
        // The element owning end i is stretched onto end j, or else the one
        // owning end j onto end i.
        int16_t found = 1;
        reference::moveendto(d, fi.x, fi.y, fj.x, fj.y, found);
        if (found == 1) reference::moveendto(d, fj.x, fj.y, fi.x, fi.y, found);
        if (found == 0) recordGapClosed({fi.x, fi.y}, {fj.x, fj.y});
        markUsed(fi);
        if (found == 0) markUsed(fj);
    }
    d.freecount = 0;
}

} // namespace vectrim::reference
