// The smoothing block on single corners of every kind, turning left and
// right, with the arcs stored either way round and across angle 0, turned
// round the origin in 5° steps through the full turn: every corner is
// handled at every angle, with the same radii.
#include "fixture.h"
#include "junctions.h"
#include "pipeline/contours.h"
#include "survey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace vectrim {
namespace {

constexpr double kTolerance = 0.5;   // smoothing tolerance T, mm
constexpr double kTangent = 1e-6;    // rad: a handled junction is this tangent
constexpr double kSameRadius = 1e-6; // mm: radii at two angles agree this well
constexpr double kMeetGap = 1e-6;    // mm: ends this close form a junction

// One element of the path through the corner: a line, or an arc stored the
// way the path runs over it (counter-clockwise, `forward`) or against it.
struct Piece {
    bool arc = false, forward = true;
};
constexpr Piece kLine{false, true}, kFwd{true, true}, kBwd{true, false};

struct CornerCase {
    Piece first, second;
    double kinkDeg; // the path turns left (> 0) or right (< 0) by this much
};

std::string nameOf(const CornerCase& c) {
    auto piece = [](Piece p) { return std::string(!p.arc ? "line" : p.forward ? "arc" : "arc(bwd)"); };
    return piece(c.first) + "-" + piece(c.second) + " kink " + std::to_string(c.kinkDeg);
}

double deg(double a) { return a * kDegToRad; }
Point along(Point p, double dirDeg, double len) {
    return {p.x + len * std::cos(deg(dirDeg)), p.y + len * std::sin(deg(dirDeg))};
}
double normalised(double a) {
    const double m = std::fmod(a, 360.0);
    return m < 0 ? m + 360 : m;
}

// The arc that the path takes into or out of the corner is stored from 350°
// to 10° round (20, 5) with radius 20. Walked forward it is left at its end
// (10°, heading 100°), walked backward at its start (350°, heading 260°).
constexpr Point kZeroCentre{20, 5};
constexpr double kZeroRadius = 20;
constexpr double kLineLength = 10;
constexpr double kOtherRadius = 12, kOtherSweep = 40;

// The corner at rotation 0, as lines and arcs (degrees).
struct Shape {
    std::vector<Line> lines;
    std::vector<Arc> arcs;
};

// The arc that starts at K heading `dirDeg`.
Arc arcLeaving(Point k, double dirDeg, bool forward) {
    const double side = forward ? 90 : -90; // the centre lies left of a forward arc
    const Point c = along(k, dirDeg + side, kOtherRadius);
    const double at = normalised(dirDeg - side); // K seen from the centre
    return forward ? Arc{c.x, c.y, kOtherRadius, at, normalised(at + kOtherSweep)}
                   : Arc{c.x, c.y, kOtherRadius, normalised(at - kOtherSweep), at};
}

Shape shapeOf(const CornerCase& c) {
    Shape s;
    const Arc zero{kZeroCentre.x, kZeroCentre.y, kZeroRadius, 350, 10};
    if (c.first.arc) {
        // Into the corner along the arc across 0°, out along the second piece.
        s.arcs.push_back(zero);
        const double at = c.first.forward ? 10 : 350;
        const Point k = along(kZeroCentre, at, kZeroRadius);
        const double out = (c.first.forward ? at + 90 : at - 90) + c.kinkDeg;
        if (c.second.arc)
            s.arcs.push_back(arcLeaving(k, out, c.second.forward));
        else
            s.lines.push_back({k.x, k.y, along(k, out, kLineLength).x, along(k, out, kLineLength).y});
    } else if (c.second.arc) {
        // Along a line into the corner, out along the arc across 0°.
        s.arcs.push_back(zero);
        const double at = c.second.forward ? 350 : 10;
        const Point k = along(kZeroCentre, at, kZeroRadius);
        const double in = (c.second.forward ? at + 90 : at - 90) - c.kinkDeg;
        const Point far = along(k, in + 180, kLineLength);
        s.lines.push_back({far.x, far.y, k.x, k.y});
    } else {
        const Point k{30, 10};
        const Point far = along(k, 30 + 180, kLineLength), next = along(k, 30 + c.kinkDeg, kLineLength);
        s.lines.push_back({far.x, far.y, k.x, k.y});
        s.lines.push_back({k.x, k.y, next.x, next.y});
    }
    return s;
}

Point rotated(double x, double y, double a) {
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

void addRotated(test::Fixture& f, const Shape& s, double angleDeg) {
    const double a = deg(angleDeg);
    for (const Line& l : s.lines) {
        const Point p = rotated(l.x1, l.y1, a), q = rotated(l.x2, l.y2, a);
        f.line(p.x, p.y, q.x, q.y);
    }
    for (const Arc& c : s.arcs) {
        const Point m = rotated(c.cx, c.cy, a);
        f.arc(m.x, m.y, c.r, normalised(c.a1 + angleDeg), normalised(c.a2 + angleDeg));
    }
}

// What the block made of the corner: the radii of all arcs, and whether the
// elements still form one chain with every junction tangent.
struct Outcome {
    std::vector<double> radii;
    bool smoothChain = false;
    double worst = 0;
};

Outcome smoothed(test::Fixture& f, const Shape& s, double angleDeg) {
    f.d.clear();
    f.session->settings.smoothtol = kTolerance;
    addRotated(f, s, angleDeg);
    buildcontours(f.d, f.host);
    survey::smoothingBlock(*f.session);
    Outcome o;
    for (int32_t i = 0; i < f.d.arccount; ++i) o.radii.push_back(f.d.arcs[i].r);
    std::sort(o.radii.begin(), o.radii.end());
    std::vector<int32_t> refs;
    for (int32_t i = 0; i < f.d.linecount; ++i) refs.push_back(i);
    for (int32_t i = 0; i < f.d.arccount; ++i) refs.push_back(kArcRef + i);
    size_t junctions = 0;
    for (size_t a = 0; a < refs.size(); ++a)
        for (size_t b = a + 1; b < refs.size(); ++b) {
            const double dfl = test::junctionDeflection(f.d, refs[a], refs[b], kMeetGap);
            if (dfl < 0) continue;
            ++junctions;
            o.worst = std::max(o.worst, dfl);
        }
    o.smoothChain = junctions + 1 == refs.size() && o.worst <= kTangent;
    return o;
}

std::vector<CornerCase> allCases() {
    std::vector<CornerCase> out;
    const std::pair<Piece, Piece> kinds[] = {{kLine, kLine}, {kLine, kFwd}, {kLine, kBwd},
                                             {kFwd, kLine},  {kBwd, kLine}, {kFwd, kFwd},
                                             {kFwd, kBwd},   {kBwd, kFwd},  {kBwd, kBwd}};
    for (const auto& [first, second] : kinds)
        for (double kink : {1.0, 10.0, 90.0})
            for (double turn : {1.0, -1.0}) out.push_back({first, second, turn * kink});
    return out;
}

TEST(SmoothingRotated, EveryCornerIsHandledAtEveryAngleWithTheSameRadii) {
    test::Fixture f;
    for (const CornerCase& c : allCases()) {
        SCOPED_TRACE(nameOf(c));
        const Shape s = shapeOf(c);
        const Outcome at0 = smoothed(f, s, 0);
        EXPECT_TRUE(at0.smoothChain) << "worst junction " << at0.worst << " rad";
        int failures = 0;
        for (int step = 1; step < 72 && failures < 3; ++step) {
            const double angle = 5.0 * step;
            const Outcome o = smoothed(f, s, angle);
            bool ok = o.smoothChain && o.radii.size() == at0.radii.size();
            for (size_t k = 0; ok && k < o.radii.size(); ++k)
                ok = std::fabs(o.radii[k] - at0.radii[k]) <= kSameRadius;
            if (ok) continue;
            ++failures;
            ADD_FAILURE() << "turned by " << angle << "°: worst junction " << o.worst << " rad, radii "
                          << ::testing::PrintToString(o.radii) << ", at 0° "
                          << ::testing::PrintToString(at0.radii);
        }
    }
}

} // namespace
} // namespace vectrim
