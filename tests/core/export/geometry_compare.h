// Comparing two drawings by their geometry, whatever their element order,
// direction or splitting: every point of one lies on the other and the total
// lengths agree.
#pragma once

#include "export/polylines.h"
#include "model/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace vectrim::test {

// A line from (x1, y1) to (x2, y2), or an arc running counter-clockwise
// from angle a1 over `sweep` (radians).
struct Piece {
    bool arc = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double cx = 0, cy = 0, r = 0, a1 = 0, sweep = 0;

    static Piece line(double x1, double y1, double x2, double y2) {
        Piece p;
        p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
        return p;
    }
    static Piece fromArc(const Arc& a) {
        Piece p;
        p.arc = true;
        p.cx = a.cx, p.cy = a.cy, p.r = a.r;
        p.a1 = normalisedAngle(a.a1) * M_PI / 180;
        p.sweep = sweepDegrees(a) * M_PI / 180;
        return p;
    }
    // The segment from P to Q of a polyline with bulge b.
    static Piece fromBulge(double px, double py, double qx, double qy, double b) {
        if (b == 0) return line(px, py, qx, qy);
        const double sweep = 4 * std::atan(std::fabs(b));
        const double dx = qx - px, dy = qy - py, chord = std::hypot(dx, dy);
        const double r = chord / (2 * std::sin(sweep / 2));
        const double d = r * std::cos(sweep / 2); // centre from the chord's middle, to the left when b > 0
        const double side = b > 0 ? 1 : -1;
        Piece p;
        p.arc = true;
        p.r = r;
        p.cx = (px + qx) / 2 - side * dy / chord * d;
        p.cy = (py + qy) / 2 + side * dx / chord * d;
        p.sweep = sweep;
        // Counter-clockwise: from P when b > 0, from Q otherwise.
        p.a1 = b > 0 ? std::atan2(py - p.cy, px - p.cx) : std::atan2(qy - p.cy, qx - p.cx);
        return p;
    }

    Point at(double t) const {
        if (!arc) return {x1 + t * (x2 - x1), y1 + t * (y2 - y1)};
        const double a = a1 + t * sweep;
        return {cx + r * std::cos(a), cy + r * std::sin(a)};
    }
    double length() const { return arc ? r * sweep : std::hypot(x2 - x1, y2 - y1); }

    double distance(Point q) const {
        if (!arc) {
            const double dx = x2 - x1, dy = y2 - y1, l2 = dx * dx + dy * dy;
            double t = l2 > 0 ? ((q.x - x1) * dx + (q.y - y1) * dy) / l2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            return std::hypot(q.x - (x1 + t * dx), q.y - (y1 + t * dy));
        }
        double a = std::atan2(q.y - cy, q.x - cx) - a1;
        a = std::fmod(a, 2 * M_PI);
        if (a < 0) a += 2 * M_PI;
        if (a <= sweep) return std::fabs(std::hypot(q.x - cx, q.y - cy) - r);
        const Point s = at(0), e = at(1);
        return std::min(std::hypot(q.x - s.x, q.y - s.y), std::hypot(q.x - e.x, q.y - e.y));
    }
};

inline std::vector<Piece> piecesOf(const Drawing& d) {
    std::vector<Piece> out;
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        if (!isDegenerate(l)) out.push_back(Piece::line(l.x1, l.y1, l.x2, l.y2));
    }
    for (int32_t i = 0; i < d.arccount; ++i)
        if (!isDegenerate(d.arcs[i])) out.push_back(Piece::fromArc(d.arcs[i]));
    return out;
}

inline std::vector<Piece> piecesOf(const Polylines& p) {
    std::vector<Piece> out;
    for (const PolyRun& run : p.runs) {
        const int32_t segments = run.closed ? run.count : run.count - 1;
        for (int32_t k = 0; k < segments; ++k) {
            const PolyVertex& a = p.vertices[static_cast<size_t>(run.first + k)];
            const PolyVertex& b = p.vertices[static_cast<size_t>(run.first + (k + 1) % run.count)];
            out.push_back(Piece::fromBulge(a.x, a.y, b.x, b.y, a.bulge));
        }
    }
    return out;
}

// Every sample point of each piece of `a` lies within tol of some piece of
// `b` and the other way round, and the total lengths agree within tol per
// piece.
inline ::testing::AssertionResult sameGeometry(const std::vector<Piece>& a, const std::vector<Piece>& b,
                                               double tol) {
    auto covered = [tol](const std::vector<Piece>& from, const std::vector<Piece>& on,
                         const char* what) -> ::testing::AssertionResult {
        for (size_t i = 0; i < from.size(); ++i) {
            for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                const Point q = from[i].at(t);
                double best = 1e300;
                for (const Piece& p : on) best = std::min(best, p.distance(q));
                if (best > tol) {
                    std::ostringstream s;
                    s.precision(17);
                    s << what << " piece " << i << " at t " << t << " (" << q.x << ", " << q.y << ") is "
                      << best << " away from the other drawing";
                    return ::testing::AssertionFailure() << s.str();
                }
            }
        }
        return ::testing::AssertionSuccess();
    };
    if (auto r = covered(a, b, "first"); !r) return r;
    if (auto r = covered(b, a, "second"); !r) return r;
    double la = 0, lb = 0;
    for (const Piece& p : a) la += p.length();
    for (const Piece& p : b) lb += p.length();
    if (std::fabs(la - lb) > tol * static_cast<double>(std::max(a.size(), b.size()) + 1))
        return ::testing::AssertionFailure() << "total lengths " << la << " and " << lb << " differ";
    return ::testing::AssertionSuccess();
}

} // namespace vectrim::test
