#include "pipeline/junctions.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"
#include "pipeline/spatial_grid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vectrim {

namespace {

// Whether two points differ by at least the split tolerance in x or in y.
bool apart(double x1, double y1, double x2, double y2) {
    return std::fabs(x1 - x2) >= kSplitPoint || std::fabs(y1 - y2) >= kSplitPoint;
}

Point pointAt(double cx, double cy, double r, double w) {
    return {cx + r * std::cos(w), cy + r * std::sin(w)};
}

// Whether the point lies in the interior of line j, far enough from its ends
// to cut it there.
bool cutsLine(const Line& l, double x, double y) {
    if (x < std::min(l.x1, l.x2) - kSplitSearchMargin || x > std::max(l.x1, l.x2) + kSplitSearchMargin ||
        y < std::min(l.y1, l.y2) - kSplitSearchMargin || y > std::max(l.y1, l.y2) + kSplitSearchMargin)
        return false;
    if (!apart(x, y, l.x1, l.y1) || !apart(x, y, l.x2, l.y2)) return false;
    const double w = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
    const double len = lineLength(l);
    const double d1 = std::sqrt((x - l.x1) * (x - l.x1) + (y - l.y1) * (y - l.y1));
    const double d2 = std::sqrt((x - l.x2) * (x - l.x2) + (y - l.y2) * (y - l.y2));
    if (!(d1 <= len && d1 >= kSamePoint && d2 >= kSamePoint)) return false;
    const double fx = l.x1 + d1 * std::cos(w), fy = l.y1 + d1 * std::sin(w);
    return std::fabs(fx - x) < kSplitPoint && std::fabs(fy - y) < kSplitPoint;
}

// The angle (radians) at which the point cuts arc j, or a negative value
// when it does not cut it.
double cutsArc(const Arc& a, double x, double y) {
    if (!(x - kSplitSearchMargin <= a.cx + a.r && x + kSplitSearchMargin >= a.cx - a.r &&
          y - kSplitSearchMargin <= a.cy + a.r && y + kSplitSearchMargin >= a.cy - a.r))
        return -1;
    const double a1 = a.a1 * kDegToRadShort, a2 = a.a2 * kDegToRadShort;
    const Point st = pointAt(a.cx, a.cy, a.r, a1), en = pointAt(a.cx, a.cy, a.r, a2);
    if (!apart(x, y, st.x, st.y) || !apart(x, y, en.x, en.y)) return -1;
    const double d = std::sqrt((x - a.cx) * (x - a.cx) + (y - a.cy) * (y - a.cy));
    if (!(std::fabs(d - a.r) < kSplitPoint)) return -1;
    const double w = kg::winkelx(a.cx, a.cy, x, y);
    const bool inside = a1 < a2 ? (a1 < w && w < a2) : (w > a1 || w < a2);
    return inside ? w : -1;
}

// Boxes that hold every point that cuts an element. A point cuts a line
// only within 0.0001 of a foot point on it, and an arc only within 0.0001 of
// its circle at an angle inside its sweep. An element is laid into the grid
// as pieces no longer than about two cells, each in its box widened by ten
// times that distance (and by a hair for the rounding of directions), so
// that a long line or a large arc fills only the cells along it. A cut line
// only ever shrinks along its pieces, and a cut arc inside its sweep.
constexpr double kCutBoxMargin = 10 * kSplitPoint;
constexpr int kMaxPieces = 4096;

double hair(double a, double b, double c) { return 1e-9 * (1 + std::fabs(a) + std::fabs(b) + std::fabs(c)); }

int pieceCount(double length, double pieceLength) {
    const double n = std::ceil(length / pieceLength);
    return n >= kMaxPieces ? kMaxPieces : n >= 1 ? static_cast<int>(n) : 1;
}

template <class Visit>
void linePieces(const Line& l, double pieceLength, Visit visit) {
    const double e = kCutBoxMargin + hair(std::max(std::fabs(l.x1), std::fabs(l.x2)),
                                          std::max(std::fabs(l.y1), std::fabs(l.y2)), 0);
    auto box = [&](Point p, Point q) {
        visit(GridBox{std::min(p.x, q.x) - e, std::min(p.y, q.y) - e, std::max(p.x, q.x) + e,
                      std::max(p.y, q.y) + e});
    };
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const int n = std::isfinite(dx) && std::isfinite(dy)
                      ? pieceCount(std::max(std::fabs(dx), std::fabs(dy)), pieceLength)
                      : 1;
    Point from{l.x1, l.y1};
    for (int k = 1; k < n; ++k) {
        const Point to{l.x1 + dx * k / n, l.y1 + dy * k / n};
        box(from, to);
        from = to;
    }
    box(from, {l.x2, l.y2});
}

// The directions (cos, sin) of the angles from s to e (0 <= s <= e <= 2π)
// grow the box; the four axis directions count when they lie within a hair
// of the range.
void growByAngles(double s, double e, double& xmin, double& ymin, double& xmax, double& ymax) {
    auto grow = [&](double w) {
        const double x = std::cos(w), y = std::sin(w);
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    };
    grow(s);
    grow(e);
    for (int k = 0; k <= 4; ++k) {
        const double axis = k * (kPi / 2);
        if (axis >= s - 1e-9 && axis <= e + 1e-9) grow(axis);
    }
}

template <class Visit>
void arcPieces(const Arc& a, double pieceLength, Visit visit) {
    const double a1 = a.a1 * kDegToRadShort, a2 = a.a2 * kDegToRadShort;
    const double e = kCutBoxMargin + hair(a.cx, a.cy, a.r);
    // The circle's box serves where the sweep is not plain.
    if (!(std::isfinite(a1) && std::isfinite(a2) && a.r > kCutBoxMargin)) {
        const double r = std::fabs(a.r) + e;
        visit(GridBox{a.cx - r, a.cy - r, a.cx + r, a.cy + r});
        return;
    }
    auto range = [&](double s, double t) {
        const int n = pieceCount(a.r * (t - s), pieceLength);
        for (int k = 0; k < n; ++k) {
            double xmin = 2, ymin = 2, xmax = -2, ymax = -2;
            growByAngles(s + (t - s) * k / n, k + 1 == n ? t : s + (t - s) * (k + 1) / n, xmin, ymin, xmax,
                         ymax);
            visit(GridBox{a.cx + a.r * xmin - e, a.cy + a.r * ymin - e, a.cx + a.r * xmax + e,
                          a.cy + a.r * ymax + e});
        }
    };
    // The angles w in 0 .. 2π that cut: a1 < w < a2, or, for an arc across
    // angle 0, w > a1 or w < a2.
    if (a1 < a2) {
        if (std::max(a1, 0.0) <= std::min(a2, kTwoPi)) range(std::max(a1, 0.0), std::min(a2, kTwoPi));
    } else {
        if (std::max(a1, 0.0) <= kTwoPi) range(std::max(a1, 0.0), kTwoPi);
        if (std::min(a2, kTwoPi) >= 0) range(0, std::min(a2, kTwoPi));
    }
}

// The cell size for pieces of elements of these extents: their median, so
// that a cell holds a few of them, but not below the margin.
double cellFor(std::vector<double>& extents, double largest) {
    if (extents.empty()) return 1;
    const auto mid = extents.begin() + static_cast<std::ptrdiff_t>(extents.size() / 2);
    std::nth_element(extents.begin(), mid, extents.end());
    return std::max({*mid, 4 * kCutBoxMargin, largest * 1e-12});
}

// The elements a cut appends lie along the element they were cut from: a
// line near the line it was cut from, an arc on the same circle inside the
// sweep. They are found through the pieces of the element first laid into
// the grid, their root: each root keeps the chain of the elements cut from
// it (or from them).
class Families {
public:
    explicit Families(int32_t n) : root_(static_cast<size_t>(n)), next_(static_cast<size_t>(n), -1) {
        for (int32_t i = 0; i < n; ++i) root_[static_cast<size_t>(i)] = i;
        tail_ = root_;
    }
    int32_t root(int32_t j) const { return root_[static_cast<size_t>(j)]; }
    // The element just appended (the next index) joins the family of j, or
    // becomes a root of its own.
    void join(int32_t j) {
        const int32_t added = static_cast<int32_t>(root_.size()), r = root(j);
        root_.push_back(r);
        next_.push_back(-1);
        tail_.push_back(added);
        next_[static_cast<size_t>(tail_[static_cast<size_t>(r)])] = added;
        tail_[static_cast<size_t>(r)] = added;
    }
    void alone() {
        const auto added = static_cast<int32_t>(root_.size());
        root_.push_back(added);
        next_.push_back(-1);
        tail_.push_back(added);
    }
    // Adds the families of the roots in `c`; ascending, each once.
    void expand(std::vector<int32_t>& c) const {
        const size_t roots = c.size();
        for (size_t k = 0; k < roots; ++k)
            for (int32_t m = next_[static_cast<size_t>(c[k])]; m >= 0; m = next_[static_cast<size_t>(m)])
                c.push_back(m);
        if (c.size() == roots) return;
        std::sort(c.begin(), c.end());
        c.erase(std::unique(c.begin(), c.end()), c.end());
    }

private:
    std::vector<int32_t> root_, next_, tail_; // by element index
};

// Distance from P to the segment A-B.
double segmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// A line cut from a root's family may stand for the root's pieces while both
// its ends lie this close to the root as it was laid: a point that cuts it
// lies within 0.0001 per axis of it, well inside the pieces' margin.
constexpr double kFamilyDrift = 5 * kSplitPoint;

// splitelementsat for every end of a stage: the lines and arcs sit in grids
// in pieces, and the elements a cut appends join them, so that a point is
// tested only against the elements that may pass through it, in index
// order, as the literal walk meets them.
class Cutter {
public:
    Cutter(Drawing& d, Host& host)
        : d_(d),
          host_(host),
          laidLines_(d.lines.begin(), d.lines.begin() + d.linecount),
          lineFamilies_(d.linecount),
          arcFamilies_(d.arccount) {
        std::vector<double> extents;
        double largest = 0;
        auto note = [&](double extent, double a, double b) {
            if (!std::isfinite(extent)) return;
            extents.push_back(extent);
            largest = std::max({largest, std::fabs(a), std::fabs(b)});
        };
        for (int32_t j = 0; j < d.linecount; ++j) {
            const Line& l = d.lines[j];
            note(std::max(std::fabs(l.x2 - l.x1), std::fabs(l.y2 - l.y1)),
                 std::max(std::fabs(l.x1), std::fabs(l.x2)), std::max(std::fabs(l.y1), std::fabs(l.y2)));
        }
        lineCell_ = cellFor(extents, largest);
        extents.clear();
        largest = 0;
        for (int32_t j = 0; j < d.arccount; ++j) {
            const Arc& a = d.arcs[j];
            note(std::fabs(a.r) * std::min(arcsweep(a.a1 * kDegToRadShort, a.a2 * kDegToRadShort), kTwoPi),
                 std::fabs(a.cx) + std::fabs(a.r), std::fabs(a.cy) + std::fabs(a.r));
        }
        arcCell_ = cellFor(extents, largest);
        for (int32_t j = 0; j < d.linecount; ++j) addLine(j);
        for (int32_t j = 0; j < d.arccount; ++j) addArc(j);
        lines_.build(lineCell_);
        arcs_.build(arcCell_);
    }

    void cutAt(double x, double y, int32_t index, ElementKind kind, int16_t& full) {
        full = 0;
        const GridBox at = boxAround(x, y, 0);
        lines_.query(at, candidates_);
        lineFamilies_.expand(candidates_);
        for (size_t k = 0; k < candidates_.size();) {
            const int32_t j = candidates_[k];
            if ((kind == ElementKind::Line && j == index) || !cutsLine(d_.lines[j], x, y)) {
                ++k;
                continue;
            }
            Line& l = d_.lines[j];
            const double x2 = l.x2, y2 = l.y2;
            const int16_t contour = l.contour;
            l.x2 = x;
            l.y2 = y;
            if (!d_.appendLine(x, y, x2, y2, contour)) {
                host_.message(msg::tr(msg::kLineTableFull), msg::tr(msg::kTitleError), Icon::Critical);
                full = 1;
                return;
            }
            recordSplit(x, y);
            // The new line lies beyond every candidate; line j is looked at
            // again.
            const int32_t added = d_.linecount - 1;
            joinLine(j, added);
            candidates_.push_back(added);
        }
        arcs_.query(at, candidates_);
        arcFamilies_.expand(candidates_);
        for (size_t k = 0; k < candidates_.size();) {
            const int32_t j = candidates_[k];
            const double w = kind == ElementKind::Arc && j == index ? -1 : cutsArc(d_.arcs[j], x, y);
            if (w < 0) {
                ++k;
                continue;
            }
            Arc& a = d_.arcs[j];
            const double oldEnd = a.a2;
            a.a2 = w * kRadToDeg;
            if (!d_.appendArc(a.cx, a.cy, a.r, a.a2, oldEnd, a.contour)) {
                host_.message(msg::tr(msg::kArcTableFull), msg::tr(msg::kTitleError), Icon::Critical);
                full = 1;
                return;
            }
            recordSplit(x, y);
            // Same circle, inside the sweep of the arc it was cut from.
            arcFamilies_.join(j);
            candidates_.push_back(d_.arccount - 1);
        }
    }

private:
    Drawing& d_;
    Host& host_;
    double lineCell_ = 1, arcCell_ = 1;
    SpatialGrid lines_, arcs_;
    std::vector<Line> laidLines_; // by line index: a root line as it was laid
    Families lineFamilies_, arcFamilies_;
    std::vector<int32_t> candidates_;

    void joinLine(int32_t j, int32_t added) {
        // A copy: the list may move when the new line is added to it.
        const Line laid = laidLines_[static_cast<size_t>(lineFamilies_.root(j))];
        const Line& l = d_.lines[added];
        laidLines_.push_back(l);
        const Point a{laid.x1, laid.y1}, b{laid.x2, laid.y2};
        if (segmentDistance({l.x1, l.y1}, a, b) <= kFamilyDrift &&
            segmentDistance({l.x2, l.y2}, a, b) <= kFamilyDrift) {
            lineFamilies_.join(j);
            return;
        }
        lineFamilies_.alone();
        addLine(added);
    }

    void addLine(int32_t j) {
        linePieces(d_.lines[j], 2 * lineCell_, [&](const GridBox& b) { lines_.add(j, b); });
    }
    void addArc(int32_t j) {
        arcPieces(d_.arcs[j], 2 * arcCell_, [&](const GridBox& b) { arcs_.add(j, b); });
    }
};

} // namespace

void splitelementsat(Drawing& d, Host& host, double x, double y, int32_t index, ElementKind kind,
                     int16_t& full) {
    full = 0;
    for (int32_t j = 0; j < d.linecount;) {
        if (kind == ElementKind::Line && j == index) {
            ++j;
            continue;
        }
        if (!cutsLine(d.lines[j], x, y)) {
            ++j;
            continue;
        }
        // The part beyond the point becomes a new line; line j ends there.
        Line& l = d.lines[j];
        const double x2 = l.x2, y2 = l.y2;
        const int16_t contour = l.contour;
        l.x2 = x;
        l.y2 = y;
        if (!d.appendLine(x, y, x2, y2, contour)) {
            host.message(msg::tr(msg::kLineTableFull), msg::tr(msg::kTitleError), Icon::Critical);
            full = 1;
            return;
        }
        recordSplit(x, y);
        // Line j is looked at again; the point is now its end.
    }
    for (int32_t j = 0; j < d.arccount;) {
        if (kind == ElementKind::Arc && j == index) {
            ++j;
            continue;
        }
        const double w = cutsArc(d.arcs[j], x, y);
        if (w < 0) {
            ++j;
            continue;
        }
        Arc& a = d.arcs[j];
        const double oldEnd = a.a2;
        a.a2 = w * kRadToDeg;
        if (!d.appendArc(a.cx, a.cy, a.r, a.a2, oldEnd, a.contour)) {
            host.message(msg::tr(msg::kArcTableFull), msg::tr(msg::kTitleError), Icon::Critical);
            full = 1;
            return;
        }
        recordSplit(x, y);
    }
}

void splitatjunctions(Drawing& d, Host& host, int16_t& full) {
    full = 0;
    // Elements added while splitting are not used as cutting points.
    const int32_t n = d.linecount, m = d.arccount;
    Cutter cutter(d, host);
    for (int32_t i = 0; i < n; ++i) {
        if (i % 100 == 0)
            showProgress(host, i % 300 == 0 ? msg::tr(msg::kDuplicatesLong) : msg::tr(msg::kDuplicatesShort));
        const Line l = d.lines[i];
        if (std::fabs(l.x1 - l.x2) <= kSamePoint && std::fabs(l.y1 - l.y2) <= kSamePoint) continue;
        // Line i itself is never cut by its own ends.
        cutter.cutAt(l.x1, l.y1, i, ElementKind::Line, full);
        if (full) return;
        cutter.cutAt(l.x2, l.y2, i, ElementKind::Line, full);
        if (full) return;
    }
    for (int32_t i = 0; i < m; ++i) {
        if (i % 100 == 0)
            showProgress(host, i % 300 == 0 ? msg::tr(msg::kDuplicatesLong) : msg::tr(msg::kDuplicatesShort));
        const Arc a = d.arcs[i];
        const double a1 = a.a1 * kDegToRadShort, a2 = a.a2 * kDegToRadShort;
        const Point st = pointAt(a.cx, a.cy, a.r, a1), en = pointAt(a.cx, a.cy, a.r, a2);
        const double len = arclength(a.r, a1, a2);
        // A tiny closed circle cuts nothing.
        if (std::fabs(st.x - en.x) <= kSamePoint && std::fabs(st.y - en.y) <= kSamePoint &&
            len <= kTinyCircleLength)
            continue;
        cutter.cutAt(st.x, st.y, i, ElementKind::Arc, full);
        if (full) return;
        cutter.cutAt(en.x, en.y, i, ElementKind::Arc, full);
        if (full) return;
    }
}

} // namespace vectrim
