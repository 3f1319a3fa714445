#include "outline.h"

#include <algorithm>

namespace demos {

namespace {

double length(double x, double y) { return std::hypot(x, y); }

// The unit tangent of the curve at knot i on the segment towards `next`.
Point tangent(const std::vector<Point>& k, const std::vector<bool>& corner, size_t prev, size_t i,
              size_t next, bool atStart) {
    double tx, ty;
    if (corner[i]) {
        // A corner: leave or arrive along the chord.
        const size_t other = atStart ? next : prev;
        tx = atStart ? k[other].first - k[i].first : k[i].first - k[other].first;
        ty = atStart ? k[other].second - k[i].second : k[i].second - k[other].second;
    } else {
        tx = k[next].first - k[prev].first;
        ty = k[next].second - k[prev].second;
    }
    const double l = length(tx, ty);
    return l > 0 ? Point{tx / l, ty / l} : Point{0, 0};
}

} // namespace

Points Outline::sample(double step, bool closed) const {
    Points out;
    const size_t n = knots_.size();
    if (n < 2) return out;
    std::vector<Point> k;
    std::vector<bool> corner;
    for (const Knot& kn : knots_) {
        k.emplace_back(kn.x, kn.y);
        corner.push_back(kn.corner);
    }
    if (!closed) corner.front() = corner.back() = true;
    const size_t segments = closed ? n : n - 1;
    for (size_t s = 0; s < segments; ++s) {
        const size_t i = s, j = (s + 1) % n;
        const size_t before = closed ? (i + n - 1) % n : (i == 0 ? 0 : i - 1);
        const size_t after = closed ? (j + 1) % n : std::min(j + 1, n - 1);
        const Point t0 = tangent(k, corner, before, i, j, true);
        const Point t1 = tangent(k, corner, i, j, after, false);
        const double chord = length(k[j].first - k[i].first, k[j].second - k[i].second);
        const int pieces = std::max(1, static_cast<int>(std::ceil(chord / step)));
        for (int p = (s == 0 ? 0 : 1); p <= pieces; ++p) {
            const double t = static_cast<double>(p) / pieces;
            const double h00 = 2 * t * t * t - 3 * t * t + 1, h10 = t * t * t - 2 * t * t + t;
            const double h01 = -2 * t * t * t + 3 * t * t, h11 = t * t * t - t * t;
            out.emplace_back(
                h00 * k[i].first + h10 * chord * t0.first + h01 * k[j].first + h11 * chord * t1.first,
                h00 * k[i].second + h10 * chord * t0.second + h01 * k[j].second + h11 * chord * t1.second);
        }
    }
    return out;
}

Points placed(const Points& pts, double s, double dx, double dy, bool mirror) {
    Points out;
    for (const auto& [x, y] : pts) out.emplace_back((mirror ? -x : x) * s + dx, y * s + dy);
    return out;
}

Points reversed(Points pts) {
    std::reverse(pts.begin(), pts.end());
    return pts;
}

namespace {

// The index of the segment at a fraction of the outline.
size_t segmentAt(const Points& pts, double at) {
    const size_t segments = pts.size() - 1;
    return std::min(segments - 1, static_cast<size_t>(at * static_cast<double>(segments)));
}

// The end of segment i moved back towards its start by `gap`.
Point shortened(const Points& pts, size_t i, double gap) {
    const auto [x1, y1] = pts[i];
    const auto [x2, y2] = pts[i + 1];
    const double l = length(x2 - x1, y2 - y1);
    const double f = l > gap ? (l - gap) / l : 0.0;
    return {x1 + (x2 - x1) * f, y1 + (y2 - y1) * f};
}

} // namespace

void faultyLines(DemoDxf& d, const Points& pts, const Faults& faults, const char* layer) {
    if (pts.size() < 2) return;
    std::vector<double> gapAt(pts.size(), 0.0);
    for (const auto& g : faults.gaps) gapAt[segmentAt(pts, g.at)] = g.length;
    for (size_t i = 0; i + 1 < pts.size(); ++i)
        d.line(pts[i], gapAt[i] > 0 ? shortened(pts, i, gapAt[i]) : pts[i + 1], layer);
    for (const auto& dbl : faults.doubled)
        for (size_t i = segmentAt(pts, dbl.to) + 1; i-- > segmentAt(pts, dbl.from);)
            if (gapAt[i] == 0) d.line(pts[i + 1], pts[i], layer);
}

void faultyPolylines(DemoDxf& d, const Points& pts, const Faults& faults, const char* layer) {
    if (pts.size() < 2) return;
    std::vector<size_t> cuts;
    for (const auto& g : faults.gaps) cuts.push_back(segmentAt(pts, g.at));
    std::sort(cuts.begin(), cuts.end());
    Points piece{pts.front()};
    size_t next = 0;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        if (next < cuts.size() && cuts[next] == i) {
            const double gap = std::find_if(faults.gaps.begin(), faults.gaps.end(), [&](const auto& g) {
                                   return segmentAt(pts, g.at) == i;
                               })->length;
            piece.push_back(shortened(pts, i, gap));
            if (piece.size() >= 2) d.polyline(piece, false, layer);
            piece = {pts[i + 1]};
            ++next;
            continue;
        }
        piece.push_back(pts[i + 1]);
    }
    if (piece.size() >= 2) d.polyline(piece, false, layer);
    for (const auto& dbl : faults.doubled) {
        Points twice(pts.begin() + static_cast<long>(segmentAt(pts, dbl.from)),
                     pts.begin() + static_cast<long>(segmentAt(pts, dbl.to)) + 2);
        d.polyline(reversed(twice), false, layer);
    }
}

} // namespace demos
