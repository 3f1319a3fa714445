#include "flatten.h"

#include "model/tolerances.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dxf {

namespace {

constexpr double kTolerance = vectrim::kCurveDeviation;
constexpr double kTwoPi = 2 * kPi;
// Halvings of one piece of a spline before its deviation is taken as it is.
constexpr int kMaxRefineDepth = 20;

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab = b - a;
    const double len2 = dot(ab, ab);
    double t = len2 > 0 ? dot(p - a, ab) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return norm(p - (a + t * ab));
}

int32_t clampCount(double n) {
    if (!(n >= 1)) return 1; // also when not a number
    if (n > kMaxCurveSegments) return kMaxCurveSegments;
    return static_cast<int32_t>(n);
}

int32_t qualitySegments(double share, int32_t quality) {
    if (quality <= 0 || !(share > 0)) return 1;
    return clampCount(std::ceil(quality * share - 1e-9));
}

// A NURBS curve in the plane.
class Nurbs {
public:
    int p = 0;
    std::vector<double> knots;
    std::vector<Vec2> points;
    std::vector<double> weights; // empty: not rational

    // The point at u within knot span k (knots[k] <= u <= knots[k + 1]).
    Vec2 at(double u, int k) const {
        std::array<double, 3 * (kMaxSplineDegree + 1)> d{};
        for (int j = 0; j <= p; ++j) {
            const size_t i = static_cast<size_t>(j + k - p);
            const double w = weights.empty() ? 1.0 : weights[i];
            d[3 * j] = points[i].x * w;
            d[3 * j + 1] = points[i].y * w;
            d[3 * j + 2] = w;
        }
        for (int r = 1; r <= p; ++r) {
            for (int j = p; j >= r; --j) {
                const double lo = knots[static_cast<size_t>(j + k - p)];
                const double hi = knots[static_cast<size_t>(j + 1 + k - r)];
                const double alpha = hi > lo ? (u - lo) / (hi - lo) : 0.0;
                for (int c = 0; c < 3; ++c)
                    d[3 * j + c] = (1 - alpha) * d[3 * (j - 1) + c] + alpha * d[3 * j + c];
            }
        }
        const double w = d[3 * p + 2];
        return {d[3 * p] / w, d[3 * p + 1] / w};
    }
};

struct Refiner {
    const Nurbs& curve;
    int span;
    std::vector<Vec2>& out;
    size_t limit;

    void piece(double a, double b, Vec2 pa, Vec2 pb, int depth) {
        const double m = 0.5 * (a + b);
        const Vec2 pm = curve.at(m, span);
        double deviation = distanceToSegment(pm, pa, pb);
        if (deviation <= kTolerance) {
            deviation = std::max(distanceToSegment(curve.at(0.5 * (a + m), span), pa, pb),
                                 distanceToSegment(curve.at(0.5 * (m + b), span), pa, pb));
        }
        if (deviation <= kTolerance || depth >= kMaxRefineDepth || out.size() >= limit ||
            !std::isfinite(deviation)) {
            out.push_back(pb);
            return;
        }
        piece(a, m, pa, pm, depth + 1);
        piece(m, b, pm, pb, depth + 1);
    }
};

bool validKnots(const std::vector<double>& k, size_t count, int p, size_t n) {
    if (k.size() != count) return false;
    for (size_t i = 0; i < k.size(); ++i) {
        if (!std::isfinite(k[i])) return false;
        if (i > 0 && k[i] < k[i - 1]) return false;
    }
    return k[static_cast<size_t>(p)] < k[n];
}

bool flattenNurbs(Nurbs& c, int32_t quality, std::vector<Vec2>& out) {
    const size_t n = c.points.size();
    const int p = c.p;
    // Spans of the curve's domain, knots[p] .. knots[n].
    std::vector<int> spans;
    for (size_t k = static_cast<size_t>(p); k < n; ++k)
        if (c.knots[k] < c.knots[k + 1]) spans.push_back(static_cast<int>(k));
    if (spans.empty()) return false;

    const size_t start = out.size();
    const size_t limit = start + kMaxCurveSegments;
    if (p == 1) {
        out.push_back(c.at(c.knots[static_cast<size_t>(spans.front())], spans.front()));
        for (int k : spans) out.push_back(c.at(c.knots[static_cast<size_t>(k) + 1], k));
        return true;
    }
    // Each span's share of the curve, from a few points on it.
    constexpr int kProbes = 4;
    std::vector<double> lengths(spans.size());
    double total = 0;
    for (size_t s = 0; s < spans.size(); ++s) {
        const int k = spans[s];
        const double a = c.knots[static_cast<size_t>(k)], b = c.knots[static_cast<size_t>(k) + 1];
        Vec2 prev = c.at(a, k);
        for (int i = 1; i <= kProbes; ++i) {
            const Vec2 q = c.at(a + (b - a) * i / kProbes, k);
            lengths[s] += norm(q - prev);
            prev = q;
        }
        total += lengths[s];
    }
    if (!std::isfinite(total)) return false;

    out.push_back(c.at(c.knots[static_cast<size_t>(spans.front())], spans.front()));
    for (size_t s = 0; s < spans.size() && out.size() < limit; ++s) {
        const int k = spans[s];
        const double a = c.knots[static_cast<size_t>(k)], b = c.knots[static_cast<size_t>(k) + 1];
        const int32_t pieces = total > 0 ? qualitySegments(lengths[s] / total, quality) : 1;
        Refiner refiner{c, k, out, limit};
        for (int32_t i = 0; i < pieces && out.size() < limit; ++i) {
            const double u0 = a + (b - a) * i / pieces;
            const double u1 = i + 1 == pieces ? b : a + (b - a) * (i + 1) / pieces;
            refiner.piece(u0, u1, out.back(), c.at(u1, k), 0);
        }
    }
    return true;
}

// A curve through fit points: the cubic spline of chord length parameters,
// with the given end tangents or natural ends.
bool flattenFitPoints(std::vector<Vec2> pts, bool closed, const Vec2* startTangent, const Vec2* endTangent,
                      int32_t quality, std::vector<Vec2>& out) {
    // Repeated points carry no parameter length.
    std::vector<Vec2> q;
    for (const Vec2& v : pts)
        if (q.empty() || norm(v - q.back()) > 0) q.push_back(v);
    if (closed && q.size() > 2 && norm(q.front() - q.back()) > 0) q.push_back(q.front());
    const size_t n = q.size();
    if (n < 2) return false;
    std::vector<double> h(n - 1);
    double total = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        h[i] = norm(q[i + 1] - q[i]);
        total += h[i];
    }
    if (!std::isfinite(total) || !(total > 0)) return false;

    // Tangents m[i] from the tridiagonal system of a C2 cubic spline.
    std::vector<Vec2> m(n);
    Vec2 t0{}, t1{};
    bool clamped0 = false, clamped1 = false;
    auto unit = [](Vec2 v, Vec2& u) {
        const double len = norm(v);
        if (!(len > 0) || !std::isfinite(len)) return false;
        u = (1.0 / len) * v;
        return true;
    };
    if (closed && n > 3) {
        clamped0 = clamped1 = unit(q[1] - q[n - 2], t0);
        t1 = t0;
    } else {
        clamped0 = startTangent && unit(*startTangent, t0);
        clamped1 = endTangent && unit(*endTangent, t1);
    }
    if (n == 2) {
        out.push_back(q[0]);
        out.push_back(q[1]);
        return true;
    }
    std::vector<double> a(n), b(n), c(n);
    std::vector<Vec2> r(n);
    auto delta = [&](size_t i) { return (1.0 / h[i]) * (q[i + 1] - q[i]); };
    if (clamped0) {
        b[0] = 1, c[0] = 0, r[0] = t0;
    } else {
        b[0] = 2, c[0] = 1, r[0] = 3.0 * delta(0);
    }
    for (size_t i = 1; i + 1 < n; ++i) {
        a[i] = h[i];
        b[i] = 2 * (h[i - 1] + h[i]);
        c[i] = h[i - 1];
        r[i] = 3.0 * (h[i] * delta(i - 1) + h[i - 1] * delta(i));
    }
    if (clamped1) {
        a[n - 1] = 0, b[n - 1] = 1, r[n - 1] = t1;
    } else {
        a[n - 1] = 1, b[n - 1] = 2, r[n - 1] = 3.0 * delta(n - 2);
    }
    for (size_t i = 1; i < n; ++i) {
        const double w = a[i] / b[i - 1];
        b[i] -= w * c[i - 1];
        r[i] = r[i] - w * r[i - 1];
    }
    m[n - 1] = (1.0 / b[n - 1]) * r[n - 1];
    for (size_t i = n - 1; i-- > 0;) m[i] = (1.0 / b[i]) * (r[i] - c[i] * m[i + 1]);

    const size_t limit = out.size() + kMaxCurveSegments;
    out.push_back(q[0]);
    for (size_t i = 0; i + 1 < n && out.size() < limit; ++i) {
        const Vec2 c1 = q[i] + (h[i] / 3) * m[i];
        const Vec2 c2 = q[i + 1] - (h[i] / 3) * m[i + 1];
        flattenCubic(q[i], c1, c2, q[i + 1], qualitySegments(h[i] / total, quality), out);
    }
    return true;
}

} // namespace

int32_t segmentCount(double sweep, double maxStep, int32_t quality) {
    sweep = std::fabs(sweep);
    double n = quality > 0 ? std::ceil(quality * sweep / kTwoPi - 1e-9) : 1.0;
    if (maxStep > 0) n = std::max(n, std::ceil(sweep / maxStep - 1e-9));
    return clampCount(n);
}

void flattenEllipse(Vec2 centre, Vec2 p, Vec2 q, double t0, double t1, int32_t quality,
                    std::vector<Vec2>& points) {
    // The second derivative of centre + p cos t + q sin t is never longer
    // than the major semi-axis a; a chord over a parameter step h then
    // deviates at most a h^2 / 8.
    const double pp = dot(p, p), qq = dot(q, q), pq = dot(p, q);
    const double a = std::sqrt(0.5 * (pp + qq) + std::hypot(0.5 * (pp - qq), pq));
    const double maxStep = a > 0 ? std::sqrt(8 * kTolerance / a) : 0;
    const int32_t n = segmentCount(t1 - t0, maxStep, quality);
    for (int32_t i = 0; i <= n; ++i) {
        const double t = i == n ? t1 : t0 + (t1 - t0) * i / n;
        points.push_back(centre + std::cos(t) * p + std::sin(t) * q);
    }
}

int32_t cubicTurnSegments(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int32_t quality) {
    if (quality <= 0) return 1;
    // The turning of the control polygon bounds the turning of the curve.
    const Vec2 legs[3] = {p1 - p0, p2 - p1, p3 - p2};
    double turn = 0;
    const Vec2* prev = nullptr;
    for (const Vec2& l : legs) {
        if (!(norm(l) > 0)) continue;
        if (prev) turn += std::fabs(std::atan2(cross(*prev, l), dot(*prev, l)));
        prev = &l;
    }
    return qualitySegments(turn / kTwoPi, quality);
}

void flattenCubic(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int32_t minSegments, std::vector<Vec2>& points) {
    // |B''| <= 6 L with L the longer second difference of the control
    // points; n uniform steps deviate at most 6 L / (8 n^2).
    const double l = std::max(norm(p0 - 2.0 * p1 + p2), norm(p1 - 2.0 * p2 + p3));
    double n = std::ceil(std::sqrt(0.75 * l / kTolerance));
    n = std::max(n, static_cast<double>(minSegments));
    const int32_t count = clampCount(n);
    for (int32_t i = 1; i <= count; ++i) {
        if (i == count) {
            points.push_back(p3);
            break;
        }
        const double t = static_cast<double>(i) / count, s = 1 - t;
        points.push_back((s * s * s) * p0 + (3 * s * s * t) * p1 + (3 * s * t * t) * p2 + (t * t * t) * p3);
    }
}

bool flattenSpline(const Source& s, const Matrix& m, int32_t quality, std::vector<Vec2>& points) {
    for (const Vec3& v : s.control)
        if (!finite(v)) return false;
    if (s.control.size() < 2) {
        // A spline given by its fit points alone.
        if (s.fit.size() < 2) return false;
        std::vector<Vec2> fit;
        fit.reserve(s.fit.size());
        for (const Vec3& v : s.fit) {
            if (!finite(v)) return false;
            fit.push_back(m.point2(v));
        }
        const Vec2 t0 = m.vector2(s.startTangent), t1 = m.vector2(s.endTangent);
        return flattenFitPoints(std::move(fit), (s.flags & 1) != 0, s.hasStartTangent ? &t0 : nullptr,
                                s.hasEndTangent ? &t1 : nullptr, quality, points);
    }
    const size_t n = s.control.size();
    if (s.degree > kMaxSplineDegree) return false;
    Nurbs c;
    c.p = std::clamp(s.degree, 1, static_cast<int>(std::min<size_t>(n - 1, kMaxSplineDegree)));
    const size_t count = n + static_cast<size_t>(c.p) + 1;
    if (validKnots(s.knots, count, c.p, n)) {
        c.knots = s.knots;
    } else {
        // A uniform clamped knot vector where the file's does not fit.
        c.knots.resize(count);
        for (size_t i = 0; i < count; ++i) {
            const double v = static_cast<double>(i) - c.p;
            c.knots[i] = std::clamp(v, 0.0, static_cast<double>(n) - c.p);
        }
    }
    bool rational = s.weights.size() == n;
    for (double w : s.weights) rational = rational && std::isfinite(w) && w > 0;
    if (rational) c.weights = s.weights;
    c.points.reserve(n);
    for (const Vec3& v : s.control) {
        const Vec2 w = m.point2(v);
        if (!finite(w)) return false;
        c.points.push_back(w);
    }
    return flattenNurbs(c, quality, points);
}

} // namespace dxf
