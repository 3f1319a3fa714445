#include "survey.h"

#include "kgeom_api.h"
#include "model/exchange_file.h"
#include "pipeline/contours.h"
#include "pipeline/run.h"
#include "pipeline/smoothing.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace vectrim::survey {

void smoothingBlock(Session& s, unsigned stages) {
    Drawing& d = s.drawing;
    Host& host = *s.host;
    if (stages & 1) smootharcline(d, s.settings, host);
    if (stages & 2) smootharcarc(d, s.settings, host);
    s.settings.cornermaxangle = kCornerMaxAngle;
    s.settings.cornerminangle = kCornerMinAngle;
    if (stages & 4) roundlinecorners(d, s.settings, host);
    if (stages & 8) roundarcline(d, s.settings, host);
    s.settings.cornermaxangle = kCornerMaxAngle;
    s.settings.cornerminangle = kCornerMinAngle;
    if (stages & 16) roundarcarc(d, s.settings, host);
}

namespace {

constexpr double kTangentAfter = 0.01; // rad: a changed junction must be this tangent
constexpr double kKinkFrom = 1.74e-5;  // rad: smaller deflections are tangent already
constexpr double kKinkTo = 0.4;        // rad: larger ones are corners
constexpr double kMoved = 1e-9;        // mm: an end closer to its old place has stayed
constexpr double kMadeTangent = 1e-6;  // rad: a junction the stages made tangent is this tangent

struct End {
    Point p;
    double ax = 0, ay = 0; // unit direction from the end into the element
    int32_t ref = 0;
    int16_t contour = 0;
};

void endsOf(const Elements& d, std::vector<End>& out) {
    out.clear();
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        const double len = std::hypot(l.x2 - l.x1, l.y2 - l.y1);
        if (!(len > 0)) continue;
        const double ux = (l.x2 - l.x1) / len, uy = (l.y2 - l.y1) / len;
        out.push_back({{l.x1, l.y1}, ux, uy, i, l.contour});
        out.push_back({{l.x2, l.y2}, -ux, -uy, i, l.contour});
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        const double s = a.a1 * kDegToRad, e = a.a2 * kDegToRad;
        out.push_back({arcStart(a), -std::sin(s), std::cos(s), i + kArcRef, a.contour});
        out.push_back({arcEnd(a), std::sin(e), -std::cos(e), i + kArcRef, a.contour});
    }
    std::sort(out.begin(), out.end(), [](const End& u, const End& v) { return u.p.x < v.p.x; });
}

// Indices of the ends meeting end k (itself excluded), by a sweep in x.
template <class F>
void meeting(const std::vector<End>& ends, Point p, F f) {
    auto lo = std::lower_bound(ends.begin(), ends.end(), p.x - kSamePoint,
                               [](const End& e, double x) { return e.p.x <= x; });
    for (auto it = lo; it != ends.end() && it->p.x < p.x + kSamePoint; ++it)
        if (coincide(it->p.x, it->p.y, p.x, p.y)) f(*it);
}

double deflectionOf(const End& u, const End& v) {
    const double cr = u.ax * v.ay - u.ay * v.ax, dt = u.ax * v.ax + u.ay * v.ay;
    return std::atan2(std::fabs(cr), -dt);
}

std::vector<Junction> junctionsOf(const std::vector<End>& ends) {
    std::vector<Junction> out;
    for (size_t k = 0; k < ends.size(); ++k) {
        const End& e = ends[k];
        int n = 0;
        const End* other = nullptr;
        meeting(ends, e.p, [&](const End& m) {
            if (&m == &e) return;
            ++n;
            other = &m;
        });
        // Each junction once: from its end with the smaller reference.
        // Two ends meeting alone always lie in one contour.
        if (n != 1 || other->ref == e.ref || e.ref > other->ref) continue;
        out.push_back({e.p, other->p, e.ref, other->ref, deflectionOf(e, *other)});
    }
    return out;
}

// Whether an element end of the drawing after lies where one of the same
// element's ends lay before (elements keep their index in these stages).
bool endKept(const Elements& before, int32_t ref, Point p) {
    Point a, b;
    if (ref >= kArcRef) {
        const int32_t i = ref - kArcRef;
        if (i >= before.arccount) return false;
        a = arcStart(before.arcs[i]);
        b = arcEnd(before.arcs[i]);
    } else {
        const Line& l = before.lines[ref];
        a = {l.x1, l.y1};
        b = {l.x2, l.y2};
    }
    return std::hypot(p.x - a.x, p.y - a.y) <= kMoved || std::hypot(p.x - b.x, p.y - b.y) <= kMoved;
}

// ---- distances ----------------------------------------------------------------

struct Prim {
    bool arc = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;          // line
    double cx = 0, cy = 0, r = 0, s = 0, sweep = 0; // arc, radians
};

double distanceTo(const Prim& p, double qx, double qy) {
    if (!p.arc) {
        const double dx = p.x2 - p.x1, dy = p.y2 - p.y1, ll = dx * dx + dy * dy;
        double t = ll > 0 ? ((qx - p.x1) * dx + (qy - p.y1) * dy) / ll : 0;
        t = std::clamp(t, 0.0, 1.0);
        return std::hypot(qx - p.x1 - t * dx, qy - p.y1 - t * dy);
    }
    double th = std::atan2(qy - p.cy, qx - p.cx) - p.s;
    th = std::fmod(th, 2 * kPi);
    if (th < 0) th += 2 * kPi;
    if (th <= p.sweep) return std::fabs(std::hypot(qx - p.cx, qy - p.cy) - p.r);
    const double ex = p.cx + p.r * std::cos(p.s + p.sweep), ey = p.cy + p.r * std::sin(p.s + p.sweep);
    const double sx = p.cx + p.r * std::cos(p.s), sy = p.cy + p.r * std::sin(p.s);
    return std::min(std::hypot(qx - sx, qy - sy), std::hypot(qx - ex, qy - ey));
}

double lengthOf(const Prim& p) { return p.arc ? p.r * p.sweep : std::hypot(p.x2 - p.x1, p.y2 - p.y1); }

Point pointAt(const Prim& p, double f) {
    if (!p.arc) return {p.x1 + f * (p.x2 - p.x1), p.y1 + f * (p.y2 - p.y1)};
    const double t = p.s + f * p.sweep;
    return {p.cx + p.r * std::cos(t), p.cy + p.r * std::sin(t)};
}

std::vector<Prim> primsOf(const Elements& d) {
    std::vector<Prim> out;
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        out.push_back({false, l.x1, l.y1, l.x2, l.y2});
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        Prim p;
        p.arc = true;
        p.cx = a.cx, p.cy = a.cy, p.r = a.r, p.s = a.a1 * kDegToRad;
        p.sweep = a.a1 < a.a2 ? (a.a2 - a.a1) * kDegToRad : (360 - a.a1 + a.a2) * kDegToRad;
        out.push_back(p);
    }
    return out;
}

// Elements by the grid cells of points along them.
class Grid {
public:
    Grid(const std::vector<Prim>& prims, double h) : prims_(prims), h_(h) {
        for (size_t k = 0; k < prims.size(); ++k) {
            const int n = static_cast<int>(std::min(1e5, std::ceil(lengthOf(prims[k]) / (h / 4)))) + 1;
            int64_t last = INT64_MIN;
            for (int i = 0; i <= n; ++i) {
                const Point q = pointAt(prims[k], static_cast<double>(i) / n);
                const int64_t c = key(cell(q.x), cell(q.y));
                if (c == last) continue;
                last = c;
                auto& v = cells_[c];
                if (v.empty() || v.back() != static_cast<int32_t>(k)) v.push_back(static_cast<int32_t>(k));
            }
        }
    }
    double nearest(double x, double y) const {
        double best = INFINITY;
        const int64_t cx = cell(x), cy = cell(y);
        for (int64_t i = -2; i <= 2; ++i)
            for (int64_t j = -2; j <= 2; ++j) {
                auto it = cells_.find(key(cx + i, cy + j));
                if (it == cells_.end()) continue;
                for (int32_t k : it->second) best = std::min(best, distanceTo(prims_[k], x, y));
            }
        if (best <= h_) return best;
        for (const Prim& p : prims_) best = std::min(best, distanceTo(p, x, y));
        return best;
    }

private:
    int64_t cell(double v) const { return static_cast<int64_t>(std::floor(std::clamp(v / h_, -1e9, 1e9))); }
    static int64_t key(int64_t i, int64_t j) { return i * 4000000007LL + j; }
    const std::vector<Prim>& prims_;
    double h_;
    std::unordered_map<int64_t, std::vector<int32_t>> cells_;
};

} // namespace

Elements elementsOf(const Drawing& d) {
    Elements e;
    e.lines.assign(d.lines.begin(), d.lines.begin() + d.linecount);
    e.arcs.assign(d.arcs.begin(), d.arcs.begin() + d.arccount);
    e.linecount = d.linecount;
    e.arccount = d.arccount;
    return e;
}

std::vector<Junction> junctions(const Elements& d) {
    std::vector<End> ends;
    endsOf(d, ends);
    return junctionsOf(ends);
}

double sampledDistance(const Elements& from, const Elements& to, double step) {
    const std::vector<Prim> a = primsOf(from), b = primsOf(to);
    if (a.empty() || b.empty()) return 0;
    const Grid grid(b, std::max(0.5, 20 * step));
    double worst = 0;
    Point where;
    for (const Prim& p : a) {
        const int n = static_cast<int>(std::clamp(std::ceil(lengthOf(p) / step), 16.0, 4000.0));
        for (int i = 0; i <= n; ++i) {
            const Point q = pointAt(p, static_cast<double>(i) / n);
            const double dd = grid.nearest(q.x, q.y);
            if (dd > worst) worst = dd, where = q;
        }
    }
    if (std::getenv("SURVEY_DEBUG"))
        std::fprintf(stderr, "farthest %g at (%.17g, %.17g)\n", worst, where.x, where.y);
    return worst;
}

namespace {

// The deflection where exactly two ends of different elements meet at P, or
// -1.
double deflectionAt(const std::vector<End>& ends, Point p) {
    const End* here[2] = {nullptr, nullptr};
    int n = 0;
    meeting(ends, p, [&](const End& e) {
        if (n < 2) here[n] = &e;
        ++n;
    });
    if (n != 2 || here[0]->ref == here[1]->ref) return -1;
    return deflectionOf(*here[0], *here[1]);
}

void dumpJunction(const Junction& j, const Elements& after, const Elements& before) {
    auto show = [](const Elements& dd, int32_t r) {
        if (r >= kArcRef) {
            if (r - kArcRef >= dd.arccount) return std::fprintf(stderr, " [new]");
            const Arc& a = dd.arcs[r - kArcRef];
            return std::fprintf(stderr, " arc(%.17g,%.17g,%.17g,%.17g,%.17g)", a.cx, a.cy, a.r, a.a1, a.a2);
        }
        const Line& l = dd.lines[r];
        return std::fprintf(stderr, " line(%.17g,%.17g,%.17g,%.17g)", l.x1, l.y1, l.x2, l.y2);
    };
    std::fprintf(stderr, "junction at (%.17g, %.17g) deflection %g:\n  after:", j.p.x, j.p.y, j.deflection);
    show(after, j.a);
    show(after, j.b);
    std::fprintf(stderr, "\n  before:");
    if (j.a < kArcRef || j.a - kArcRef < before.arccount) show(before, j.a);
    if (j.b < kArcRef || j.b - kArcRef < before.arccount) show(before, j.b);
    std::fprintf(stderr, "\n");
}

// Compares the drawing after the smoothing block with the one before it
// (same element indices, fillets appended).
Figures compare(const Elements& before, const Elements& d, double tolerance) {
    Figures f;
    f.elementsBefore = before.elementCount();
    f.elementsAfter = d.elementCount();
    f.filletsAdded = d.arccount - before.arccount;
    const bool debug = std::getenv("SURVEY_DEBUG") != nullptr;

    std::vector<End> endsBefore, endsAfter;
    endsOf(before, endsBefore);
    endsOf(d, endsAfter);
    for (const Junction& j : junctionsOf(endsBefore)) {
        const bool kink = j.deflection > kKinkFrom && j.deflection <= kKinkTo;
        const bool corner = j.deflection > kKinkTo && j.deflection <= kCornerMaxAngle * kDegToRad;
        if (!kink && !corner) continue;
        int n = 0;
        meeting(endsAfter, j.p, [&](const End&) { ++n; });
        // Gone (both elements cut back or moved away) or made tangent.
        const double now = deflectionAt(endsAfter, j.p);
        const bool handled = n < 2 || (now >= 0 && now <= kMadeTangent);
        (kink ? f.kinks : f.corners)++;
        if (handled) (kink ? f.kinksHandled : f.cornersHandled)++;
    }
    for (const Junction& j : junctionsOf(endsAfter)) {
        const bool kept = endKept(before, j.a, j.p) && endKept(before, j.b, j.q);
        if (!kept) {
            ++f.changed;
            f.worstChangedDeflection = std::max(f.worstChangedDeflection, j.deflection);
            if (j.deflection > kTangentAfter) {
                ++f.changedNotTangent;
                if (debug) dumpJunction(j, d, before);
            }
            continue;
        }
        const double was = deflectionAt(endsBefore, j.p);
        if (was >= 0 && j.deflection > was + kTangentAfter) {
            ++f.keptButWorse;
            if (debug) {
                std::fprintf(stderr, "worse than %g: ", was);
                dumpJunction(j, d, before);
            }
        }
    }
    const double step = std::max(0.005, tolerance / 20);
    f.outward = sampledDistance(d, before, step);
    f.inward = sampledDistance(before, d, step);
    return f;
}

// Takes the drawing just before the first smoothing stage of a run and just
// after the last one.
class BlockFrame : public BatchRunFrame {
public:
    explicit BlockFrame(Session& s) : s_(s) {}
    Elements before, after;
    bool started = false, finished = false;
    std::chrono::steady_clock::time_point t0;
    double seconds = 0;
    void stageStarted(std::string_view name) override {
        if (name != "smootharcline") return;
        before = elementsOf(s_.drawing);
        // The drawing as the block gets it, to repeat the block on its own.
        if (const char* path = std::getenv("SURVEY_SAVE_BEFORE")) writeExchangeFile(path, s_.drawing);
        started = true;
        t0 = std::chrono::steady_clock::now();
    }
    void stageFinished(std::string_view name) override {
        if (name != "roundarcarc") return;
        after = elementsOf(s_.drawing);
        finished = true;
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }

private:
    Session& s_;
};

} // namespace

Figures measure(Session& s, unsigned stages) {
    buildcontours(s.drawing, *s.host);
    const Elements before = elementsOf(s.drawing);
    const auto t0 = std::chrono::steady_clock::now();
    smoothingBlock(s, stages);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    Figures f = compare(before, elementsOf(s.drawing), s.settings.smoothtol);
    f.seconds = seconds;
    return f;
}

RunFigures measureRun(Session& s, const std::string& reduce, const std::string& gap,
                      const std::string& smooth) {
    BlockFrame frame(s);
    frame.reduceText = reduce;
    frame.gapText = gap;
    frame.smoothText = smooth;
    frame.roundLineLine = true;
    RunFigures r;
    const auto t0 = std::chrono::steady_clock::now();
    bearbeitungeinfach(s, frame);
    r.runSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!frame.started || !frame.finished) return r;
    r.blockRan = true;
    r.block = compare(frame.before, frame.after, s.settings.smoothtol);
    r.block.seconds = frame.seconds;

    // Junctions the block made: two ends meeting after it at a point where no
    // end lay before it. (Where the block cut an element back to a point at
    // which more than two ends meet, there is no junction to follow.)
    std::vector<End> endsBefore, endsAfter, endsFinal;
    endsOf(frame.before, endsBefore);
    endsOf(frame.after, endsAfter);
    std::vector<End> made;
    for (const Junction& j : junctionsOf(endsAfter)) {
        bool old = false;
        meeting(endsBefore, j.p,
                [&](const End& b) { old = old || std::hypot(b.p.x - j.p.x, b.p.y - j.p.y) <= kMoved; });
        if (!old) made.push_back(End{j.p});
    }
    std::sort(made.begin(), made.end(), [](const End& u, const End& v) { return u.p.x < v.p.x; });
    const Elements final = elementsOf(s.drawing);
    endsOf(final, endsFinal);
    for (const Junction& j : junctionsOf(endsFinal)) {
        bool fromBlock = false;
        meeting(made, j.p, [&](const End& m) {
            fromBlock = fromBlock || std::hypot(m.p.x - j.p.x, m.p.y - j.p.y) <= kMoved ||
                        std::hypot(m.p.x - j.q.x, m.p.y - j.q.y) <= kMoved;
        });
        if (!fromBlock) continue;
        ++r.finalChanged;
        r.finalWorst = std::max(r.finalWorst, j.deflection);
        if (j.deflection > kTangentAfter) {
            ++r.finalNotTangent;
            if (std::getenv("SURVEY_DEBUG")) dumpJunction(j, final, frame.after);
        }
    }
    r.finalOutward = sampledDistance(final, frame.before, std::max(0.005, s.settings.smoothtol / 20));
    return r;
}

// ---- generated drawings ---------------------------------------------------

namespace {

struct Builder {
    Drawing& d;
    double s;
    void line(double x1, double y1, double x2, double y2) { d.appendLine(s * x1, s * y1, s * x2, s * y2); }
    // Arc through three points (start, middle, end), or a line when they
    // are nearly in a row.
    void arc3(Point a, Point m, Point b) {
        const kg::Circle c = kg::rech(s * a.x, s * a.y, s * b.x, s * b.y, s * m.x, s * m.y);
        if (!(c.r > 0) || c.r > 5000 || !std::isfinite(c.xc + c.yc)) return line(a.x, a.y, b.x, b.y);
        d.appendArc(c.xc, c.yc, c.r, c.w1 * kRadToDeg, c.w2 * kRadToDeg);
    }
    // Arc by centre, radius and angles in degrees (counter-clockwise).
    void arc(double cx, double cy, double r, double a1, double a2) {
        d.appendArc(s * cx, s * cy, s * r, normalisedAngle(a1), normalisedAngle(a2));
    }
};

Point onCurve(double cx, double cy, double (*radius)(double), double t) {
    const double r = radius(t);
    return {cx + r * std::cos(t), cy + r * std::sin(t)};
}
double blob(double t) { return 30 * (1 + 0.15 * std::sin(3 * t) + 0.08 * std::cos(5 * t)); }

} // namespace

int generatedCount() { return 6; }

const char* generatedName(int which) {
    static const char* const names[] = {"ellipse as 120 lines", "wavy outline, arcs and lines",
                                        "ellipse as 24 arcs",   "plate with notch and lens",
                                        "flower and gear rim",  "circle as 72 lines"};
    return which >= 0 && which < 6 ? names[which] : "";
}

void addGenerated(Drawing& d, int which, double scale) {
    Builder b{d, scale};
    switch (which) {
        case 0: // an ellipse as 120 lines
            for (int i = 0; i < 120; ++i) {
                const double t0 = 2 * kPi * i / 120, t1 = 2 * kPi * (i + 1) / 120;
                b.line(40 * std::cos(t0), 25 * std::sin(t0), 40 * std::cos(t1), 25 * std::sin(t1));
            }
            break;
        case 1: // a wavy outline fitted with 36 pieces, every fourth a line
            for (int i = 0; i < 36; ++i) {
                const double t0 = 2 * kPi * i / 36, t1 = 2 * kPi * (i + 1) / 36;
                const Point a = onCurve(100, 0, blob, t0), m = onCurve(100, 0, blob, 0.5 * (t0 + t1)),
                            e = onCurve(100, 0, blob, t1);
                if (i % 4 == 3)
                    b.line(a.x, a.y, e.x, e.y);
                else
                    b.arc3(a, m, e);
            }
            break;
        case 2: // an ellipse fitted with 24 arcs
            for (int i = 0; i < 24; ++i) {
                const double t0 = 2 * kPi * i / 24, t1 = 2 * kPi * (i + 1) / 24, tm = 0.5 * (t0 + t1);
                b.arc3({50 * std::cos(t0), 80 + 20 * std::sin(t0)},
                       {50 * std::cos(tm), 80 + 20 * std::sin(tm)},
                       {50 * std::cos(t1), 80 + 20 * std::sin(t1)});
            }
            break;
        case 3: { // a plate: lines, a half-round notch, a concave corner cut, a lens
            b.line(200, 0, 260, 0);
            b.line(260, 0, 260, 30);
            b.arc(260, 40, 10, 180, 270); // concave quarter cut at the top right
            b.line(250, 40, 240, 40);
            b.arc(230, 40, 10, 180, 360); // half-round notch (runs into the plate)
            b.line(220, 40, 200, 40);
            b.line(200, 40, 200, 0);
            // A lens of two arcs meeting at two corners.
            const double half = std::atan2(24.0, 10.0) * kRadToDeg; // chord 20, rise 24
            b.arc(300, -10, 26, half, 180 - half);
            b.arc(300, 38, 26, 180 + half, 360 - half);
            break;
        }
        case 4: { // a flower of six arcs meeting at corners, and a gear rim
            for (int i = 0; i < 6; ++i) {
                const double a = 60.0 * i;
                const double cx = 400 + 20 * std::cos(a * kDegToRad), cy = 20 * std::sin(a * kDegToRad);
                b.arc(cx, cy, 20 / std::sqrt(3.0), a - 90, a + 90); // neighbours meet at their ends
            }
            const int teeth = 12;
            for (int i = 0; i < teeth; ++i) {
                const double step = 360.0 / teeth, a0 = step * i;
                const double root = 40, tip = 48, cx = 520, cy = 0;
                auto at = [&](double r, double deg) {
                    return Point{cx + r * std::cos(deg * kDegToRad), cy + r * std::sin(deg * kDegToRad)};
                };
                const Point r1 = at(root, a0 + 0.4 * step), t0 = at(tip, a0 + 0.5 * step),
                            t1 = at(tip, a0 + 0.9 * step), r2 = at(root, a0 + step);
                b.arc(cx, cy, root, a0, a0 + 0.4 * step);                       // root
                b.arc3(r1, at(0.5 * (root + tip) + 0.6, a0 + 0.45 * step), t0); // flank, bulging
                b.arc(cx, cy, tip, a0 + 0.5 * step, a0 + 0.9 * step);           // tip
                b.line(t1.x, t1.y, r2.x, r2.y);                                 // straight flank
            }
            break;
        }
        case 5: // a circle as 72 lines, 5° at every corner
            for (int i = 0; i < 72; ++i) {
                const double t0 = 2 * kPi * i / 72, t1 = 2 * kPi * (i + 1) / 72;
                b.line(700 + 30 * std::cos(t0), 30 * std::sin(t0), 700 + 30 * std::cos(t1),
                       30 * std::sin(t1));
            }
            break;
        default: break;
    }
}

} // namespace vectrim::survey
