// Line-to-line corner rounding: the corner between two lines of one contour
// becomes a fillet, with the largest radius from 10 mm down whose arc stays
// within the smoothing tolerance of the corner as drawn.
#include "model/messages.h"
#include "pipeline/contours.h"
#include "pipeline/repair_places.h"
#include "pipeline/smoothing.h"
#include "pipeline/smoothing_checks.h"
#include "pipeline/spatial_grid.h"

#include "kgeom_api.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace vectrim {

using namespace smoothing;

namespace {

// Which ends of lines i and j meet in one pass.
struct PassEnds {
    bool iAtStart, jAtStart;
};
constexpr PassEnds kPasses[4] = {{true, true}, {true, false}, {false, true}, {false, false}};

// A corner: the meeting ends of both lines and their far ends as they were.
struct Corner {
    Point ki, fi, kj, fj;
};

Corner cornerOf(const Line& li, const Line& lj, PassEnds p) {
    Corner c;
    c.ki = p.iAtStart ? Point{li.x1, li.y1} : Point{li.x2, li.y2};
    c.fi = p.iAtStart ? Point{li.x2, li.y2} : Point{li.x1, li.y1};
    c.kj = p.jAtStart ? Point{lj.x1, lj.y1} : Point{lj.x2, lj.y2};
    c.fj = p.jAtStart ? Point{lj.x2, lj.y2} : Point{lj.x1, lj.y1};
    return c;
}

// The deflection at the corner: 0 straight on, π doubling back.
double deflection(const Corner& c) {
    double a = kg::winkelx(c.fi.x, c.fi.y, c.ki.x, c.ki.y);
    double b = kg::winkelx(c.kj.x, c.kj.y, c.fj.x, c.fj.y);
    if (a > b) std::swap(a, b);
    const double d = b - a;
    return d > kPi ? kTwoPi - d : d;
}

// A fillet that roundl found, with the lines' new corner ends.
struct Fillet {
    ArcR arc;
    Point ti, tj; // tangent points on line i and line j
};

bool filletOf(const Corner& c, double r, Fillet& f) {
    double x1 = c.ki.x, y1 = c.ki.y, x2 = c.fi.x, y2 = c.fi.y;
    double x3 = c.kj.x, y3 = c.kj.y, x4 = c.fj.x, y4 = c.fj.y;
    double radius = r, xc = 0, yc = 0, a1 = 0, a2 = 0, theta = 0;
    int16_t err = 1, anglesonly = 0;
    kg::api().roundl(&x1, &y1, &x2, &y2, &x3, &y3, &x4, &y4, &radius, &xc, &yc, &a1, &a2, &err, &theta,
                     &anglesonly);
    if (err != 0) return false;
    f.arc = {xc, yc, r, a1, a2};
    f.ti = {x1, y1};
    f.tj = {x3, y3};
    return true;
}

// Every sample of the fillet lies within T of one of the lines as drawn.
bool withinTolerance(const ArcR& a, const Corner& c, double t, const RunSettings& s) {
    if (length(a) < s.minlength) return false;
    return allSamples(a, [&](Point q) { return nearlines(q, c.ki, c.fi, c.fj, t); });
}

bool accepted(const Fillet& f, const Corner& c, const RunSettings& s) {
    if (!checkarc(f.arc, s)) return false;
    if (kg::differenz(f.ti.x, f.ti.y, c.fi.x, c.fi.y) < s.minlength ||
        kg::differenz(f.tj.x, f.tj.y, c.fj.x, c.fj.y) < s.minlength)
        return false;
    return withinTolerance(f.arc, c, s.smoothtol, s);
}

// Tries the radii from 10 mm down; on success both lines run from their
// tangent point to their far end and the fillet is appended. False when
// no radius fits.
bool roundCorner(Drawing& d, int32_t i, int32_t j, PassEnds p, const RunSettings& s) {
    if (d.arccount >= kMaxElements) return false; // a full arc table leaves the corner sharp
    const Corner c = cornerOf(d.lines[i], d.lines[j], p);
    const double step = (kLineFilletStartRadius - s.minradius) * kLineFilletStepShare;
    double r = kLineFilletStartRadius;
    do {
        Fillet f;
        if (filletOf(c, r, f) && accepted(f, c, s)) {
            recordRepair(RepairKind::CornerRounded, c.ki.x, c.ki.y, r);
            Line& li = d.lines[i];
            Line& lj = d.lines[j];
            li.x1 = f.ti.x, li.y1 = f.ti.y, li.x2 = c.fi.x, li.y2 = c.fi.y;
            lj.x1 = f.tj.x, lj.y1 = f.tj.y, lj.x2 = c.fj.x, lj.y2 = c.fj.y;
            // roundl works with a ten-digit π: an angle may come out a hair
            // above 360°, which the table holds as its remainder.
            d.appendArc(f.arc.cx, f.arc.cy, r, normalisedAngle(f.arc.a1 * (180 / kPi)),
                        normalisedAngle(f.arc.a2 * (180 / kPi)), li.contour);
            return true;
        }
        r -= step;
    } while (r > s.minradius);
    return false;
}

// Both ends of every line in a grid; lines whose ends a fillet moved are
// added again at their new ends.
class LineEnds {
public:
    explicit LineEnds(const Drawing& d) {
        double extent = 0;
        for (int32_t i = 0; i < d.linecount; ++i) {
            const Line& l = d.lines[i];
            for (const Point q : {Point{l.x1, l.y1}, Point{l.x2, l.y2}})
                if (std::isfinite(q.x) && std::isfinite(q.y))
                    extent = std::max({extent, std::fabs(q.x), std::fabs(q.y)});
        }
        grid_.reserve(2 * static_cast<size_t>(d.linecount));
        for (int32_t i = 0; i < d.linecount; ++i) add(d, i);
        grid_.build(std::max(16 * kSamePoint, extent * 1e-12));
    }
    void add(const Drawing& d, int32_t i) {
        const Line& l = d.lines[i];
        for (const Point q : {Point{l.x1, l.y1}, Point{l.x2, l.y2}})
            if (std::isfinite(q.x) && std::isfinite(q.y)) grid_.add(i, boxAround(q.x, q.y, 0));
    }
    // The lines that may have an end at p, ascending; none for a point that
    // is not finite (no end coincides with it).
    void near(Point p, std::vector<int32_t>& out) const {
        out.clear();
        if (std::isfinite(p.x) && std::isfinite(p.y)) grid_.query(boxAround(p.x, p.y, 2 * kSamePoint), out);
    }

private:
    SpatialGrid grid_;
};

// Contours longer than this look for their corners in the grid of line
// ends; shorter ones compare every later line of the contour.
constexpr size_t kLongContour = 64;

} // namespace

void roundlinecorners(Drawing& d, const RunSettings& t, Host& host) {
    if (d.linecount == 0) return;
    buildcontours(d, host);
    const RunSettings& set = t;
    const double minAngle = set.cornerminangle * kDegToRad;
    const double maxAngle = set.cornermaxangle * kDegToRad;
    const ByContour byContour = linesByContour(d);
    std::optional<LineEnds> ends; // laid for the first long contour
    std::vector<int32_t> near;

    // The corner of lines i and j in pass p; true when a fillet moved their
    // ends.
    const auto corner = [&](int32_t i, int32_t j, PassEnds p) {
        const Corner c = cornerOf(d.lines[i], d.lines[j], p);
        if (!coincide(c.ki.x, c.ki.y, c.kj.x, c.kj.y)) return false;
        const double defl = deflection(c);
        if (defl < minAngle || defl > maxAngle) return false;
        if (!roundCorner(d, i, j, p, set)) return false;
        if (ends) {
            ends->add(d, i);
            ends->add(d, j);
        }
        return true;
    };

    for (const PassEnds p : kPasses) {
        const int32_t n = d.linecount;
        for (int32_t i = 0; i < n; ++i) {
            progress(host, i, msg::tr(msg::kLineLineLong), msg::tr(msg::kLineLineShort));
            const int16_t contour = d.lines[i].contour;
            const std::vector<int32_t>& same = byContour.of(contour);
            const size_t first = byContour.after(contour, i);
            if (same.size() - first <= kLongContour) {
                for (size_t k = first; k < same.size() && same[k] < n; ++k) corner(i, same[k], p);
                continue;
            }
            // Only the lines of the list with an end at line i's corner end
            // can make a corner with it; after a fillet that end has moved.
            if (!ends) ends.emplace(d);
            int32_t last = i;
            for (bool again = true; again;) {
                again = false;
                const Line& li = d.lines[i];
                ends->near(p.iAtStart ? Point{li.x1, li.y1} : Point{li.x2, li.y2}, near);
                for (const int32_t j : near) {
                    if (j <= last || j >= n || !ByContour::together(d.lines[j].contour, contour)) continue;
                    last = j;
                    if (corner(i, j, p)) {
                        again = true;
                        break;
                    }
                }
            }
        }
    }
}

} // namespace vectrim
