#include "random_drawing.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace vectrim::differential {

namespace {

constexpr double kPiD = 3.14159265358979323846;

// Offsets around the coincidence tolerances: 0.001 (ends meet), 0.0001
// (splitting, joining, arc ends), and clearly inside and outside them.
constexpr double kNearMisses[] = {0.0001,    0.001,  0.00099999, 0.0010001, 0.00009999,
                                  0.0001001, 0.0005, 0.00001,    0.002,     0.01};
constexpr double kTinyLengths[] = {0.00005, 0.0005, 0.005, 0.00999, 0.01001, 0.05, 0.0999, 0.1001, 0.3};

class Generator {
public:
    Generator(Drawing& d, uint32_t seed) : d_(d), rng_(seed) { step_ = pick({1.0, 0.5, 2.5, 10.0}); }

    void feature() {
        switch (integer(0, 11)) {
            case 0: walk(); break;
            case 1: gridArc(); break;
            case 2: nearMiss(); break;
            case 3: duplicate(); break;
            case 4: junction(); break;
            case 5: tiny(); break;
            case 6: polygon(); break;
            case 7: line(gridPoint(), gridPoint()); break;
            case 8: flatArc(); break;
            case 9: arcPair(); break;
            case 10: comb(); break;
            default: walk(); break;
        }
    }

private:
    Drawing& d_;
    std::mt19937 rng_;
    double step_;

    int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    bool chance(double p) { return real(0, 1) < p; }
    template <size_t N>
    double pick(const double (&values)[N]) {
        return values[static_cast<size_t>(integer(0, static_cast<int>(N) - 1))];
    }
    double pick(std::initializer_list<double> values) {
        return *(values.begin() + integer(0, static_cast<int>(values.size()) - 1));
    }
    double sign() { return chance(0.5) ? 1 : -1; }

    Point gridPoint() { return {integer(0, 8) * step_, integer(0, 8) * step_}; }
    Point onCircle(Point c, double r, double degrees) {
        return {c.x + r * std::cos(degrees * kPiD / 180), c.y + r * std::sin(degrees * kPiD / 180)};
    }

    // An end of an element already there, or a grid point.
    Point anyEnd() {
        const int32_t n = d_.elementCount();
        if (n == 0) return gridPoint();
        const int32_t k = integer(0, n - 1);
        if (k < d_.linecount) {
            const Line& l = d_.lines[k];
            return chance(0.5) ? Point{l.x1, l.y1} : Point{l.x2, l.y2};
        }
        const Arc& a = d_.arcs[k - d_.linecount];
        return chance(0.5) ? arcStart(a) : arcEnd(a);
    }

    void line(Point a, Point b) {
        if (d_.linecount < kMaxElements) d_.appendLine(a.x, a.y, b.x, b.y);
    }
    void arc(Point c, double r, double a1, double a2) {
        if (d_.arccount < kMaxElements) d_.appendArc(c.x, c.y, r, normalisedAngle(a1), normalisedAngle(a2));
    }

    // A path along the grid, closed now and then.
    void walk() {
        const Point start = chance(0.3) ? anyEnd() : gridPoint();
        Point p = start;
        const int n = integer(1, 6);
        for (int k = 0; k < n; ++k) {
            const Point q{p.x + integer(-2, 2) * step_, p.y + integer(-2, 2) * step_};
            line(p, q);
            p = q;
        }
        if (chance(0.4)) line(p, start);
    }

    // An arc with its ends on the grid (quarter angles, whole radii), a full
    // circle now and then, and a line from one end.
    void gridArc() {
        const Point c = gridPoint();
        const double r = integer(1, 3) * step_;
        const double a1 = 90.0 * integer(0, 3);
        const double a2 = chance(0.15) ? a1 : 90.0 * integer(0, 4);
        arc(c, r, a1, a2);
        if (chance(0.6)) line(onCircle(c, r, a2), gridPoint());
    }

    // A line or arc that starts just beside an end already there.
    void nearMiss() {
        const Point p = anyEnd();
        const double off = pick(kNearMisses) * sign();
        const Point q = chance(0.5) ? Point{p.x + off, p.y} : Point{p.x + off, p.y - off};
        if (chance(0.7)) {
            line(q, chance(0.5) ? gridPoint() : Point{q.x + real(-3, 3), q.y + real(-3, 3)});
        } else {
            const double r = real(0.5, 3);
            const double a = 90.0 * integer(0, 3);
            arc(onCircle(q, -r, a), r, a, a + real(20, 200));
        }
    }

    // A copy of an element: the same, reversed, or moved by a hair.
    void duplicate() {
        const int32_t n = d_.elementCount();
        if (n == 0) return walk();
        const int32_t k = integer(0, n - 1);
        const double hair = chance(0.5) ? 0 : pick(kNearMisses) * sign();
        if (k < d_.linecount) {
            const Line l = d_.lines[k];
            if (chance(0.5))
                line({l.x1 + hair, l.y1}, {l.x2, l.y2});
            else
                line({l.x2, l.y2}, {l.x1, l.y1 + hair});
            return;
        }
        const Arc a = d_.arcs[k - d_.linecount];
        const double a2 = a.a2 == 0 && chance(0.5) ? 360 : a.a2;
        arc({a.cx + hair, a.cy}, a.r, a.a1, a2);
    }

    // A line ending inside another line or on an arc's sweep.
    void junction() {
        if (d_.elementCount() == 0) return walk();
        const int32_t k = integer(0, d_.elementCount() - 1);
        Point p;
        if (k < d_.linecount) {
            const Line& l = d_.lines[k];
            const double t = chance(0.5) ? 0.5 : real(0, 1);
            p = {l.x1 + t * (l.x2 - l.x1), l.y1 + t * (l.y2 - l.y1)};
        } else {
            const Arc& a = d_.arcs[k - d_.linecount];
            const double sweep = a.a1 < a.a2 ? a.a2 - a.a1 : 360 - a.a1 + a.a2;
            p = onCircle({a.cx, a.cy}, a.r, a.a1 + real(0, 1) * sweep);
        }
        if (chance(0.5))
            line(p, gridPoint());
        else
            line(gridPoint(), p);
    }

    // A short or tiny element at an end, or a tiny closed circle.
    void tiny() {
        const Point p = anyEnd();
        const double len = pick(kTinyLengths);
        const double w = real(0, 2 * kPiD);
        switch (integer(0, 2)) {
            case 0: line(p, {p.x + len * std::cos(w), p.y + len * std::sin(w)}); break;
            case 1: {
                const double r = pick({0.01, 0.05, 0.2, 1.0});
                const double sweep = len / r * 180 / kPiD;
                arc(onCircle(p, -r, 0), r, 0, sweep);
                break;
            }
            default: arc(p, len / (2 * kPiD), 0, 360); break;
        }
    }

    // A circle or arc as a chain of lines, one segment left out now and then.
    void polygon() {
        const Point c = gridPoint();
        const double r = chance(0.5) ? integer(1, 3) * step_ : real(0.3, 3) * step_;
        const int n = integer(6, 40);
        const double from = chance(0.5) ? 0 : real(0, 360);
        const double sweep = chance(0.5) ? 360 : real(30, 300);
        const int gap = chance(0.3) ? integer(0, n - 1) : -1;
        for (int k = 0; k < n; ++k)
            if (k != gap)
                line(onCircle(c, r, from + sweep * k / n), onCircle(c, r, from + sweep * (k + 1) / n));
    }

    // A long line or arc with short lines ending on it (or a hair beside
    // it) in random order, so that pieces cut from it are cut again.
    void comb() {
        const int teeth = integer(3, 15);
        const double hairs[] = {0, 0, 0.00005, -0.00005, 0.00009, -0.00009};
        if (chance(0.6)) {
            const Point a = gridPoint(), b{a.x + integer(2, 8) * step_, a.y + integer(-8, 8) * step_};
            line(a, b);
            const double len = std::hypot(b.x - a.x, b.y - a.y);
            const double nx = -(b.y - a.y) / len, ny = (b.x - a.x) / len;
            for (int k = 0; k < teeth; ++k) {
                const double t = real(0.02, 0.98), h = pick(hairs);
                const Point p{a.x + t * (b.x - a.x) + h * nx, a.y + t * (b.y - a.y) + h * ny};
                line(p, {p.x + nx * step_, p.y + ny * step_});
            }
        } else {
            const Point c = gridPoint();
            const double r = integer(1, 4) * step_, a1 = real(0, 360), a2 = a1 + real(60, 350);
            arc(c, r, a1, a2);
            for (int k = 0; k < teeth; ++k) {
                const double w = a1 + real(0.02, 0.98) * (a2 - a1);
                const Point p = onCircle(c, r + pick(hairs), w);
                line(p, onCircle(c, r + step_, w));
            }
        }
    }

    // A nearly straight arc through a grid point, with its neighbours.
    void flatArc() {
        const Point p = gridPoint();
        const double r = pick({9000.0, 10001.0, 20000.0});
        const double half = real(0.001, 0.02);
        arc({p.x, p.y - r}, r, 90 - half, 90 + half);
        const Point s = onCircle({p.x, p.y - r}, r, 90 - half);
        if (chance(0.5)) line(s, {s.x + step_, s.y});
    }

    // Two arcs that meet: continuing on one circle, tangent, or at a corner;
    // now and then across angle 0.
    void arcPair() {
        const Point c = gridPoint();
        const double r = integer(1, 3) * step_;
        const double a = chance(0.3) ? 315 : 90.0 * integer(0, 3);
        const double b = a + pick({30.0, 45.0, 90.0});
        arc(c, r, a, b);
        const Point joint = onCircle(c, r, b);
        switch (integer(0, 2)) {
            case 0: arc(c, r, b, b + 60); break;
            case 1: { // tangent, on a circle of the other sense's side
                const double r2 = r * 0.5;
                const Point c2 = onCircle(c, r - r2, b);
                arc(c2, r2, b, b + 90);
                break;
            }
            default: arc(onCircle(joint, -r, b + 40), r, b + 40, b + 100); break;
        }
    }
};

} // namespace

void randomDrawing(Drawing& d, uint32_t seed, int features) {
    d.clear();
    d.freecount = 0;
    Generator g(d, seed);
    for (int k = 0; k < features; ++k) g.feature();
}

void unsettleOrder(Drawing& d, uint32_t seed) {
    const int32_t n = d.elementCount();
    if (n < 2) return;
    std::mt19937 rng(seed);
    std::shuffle(d.order.begin(), d.order.begin() + n, rng);
    std::uniform_int_distribution<int32_t> at(0, n - 1);
    d.order[at(rng)] = d.order[at(rng)];
    d.order[at(rng)] = d.linecount > 0 ? ElementRef::line(d.linecount) : ElementRef::arc(d.arccount);
}

} // namespace vectrim::differential
