#include "compare.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace vectrim::differential {

namespace {

bool same(double a, double b) {
    if (a == b || (std::isnan(a) && std::isnan(b))) return true;
    return std::fabs(a - b) <= kCoordinateTolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
}

std::string number(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string values(std::initializer_list<double> v) {
    std::string out;
    for (const double x : v) out += (out.empty() ? "" : " ") + number(x);
    return out;
}

std::string slot(const char* table, int32_t i, const std::string& fast, const std::string& reference) {
    return std::string(table) + " slot " + std::to_string(i) + ": fast " + fast + ", reference " + reference;
}

} // namespace

std::string firstDifference(const std::vector<StageReport>& f, const std::vector<StageReport>& r) {
    if (f.size() != r.size())
        return "report: fast " + std::to_string(f.size()) + " stages, reference " + std::to_string(r.size());
    auto countsText = [](const RepairCounts& c) {
        return std::to_string(c.split) + " " + std::to_string(c.removed) + " " + std::to_string(c.moved) +
               " " + std::to_string(c.merged) + " " + std::to_string(c.created);
    };
    for (size_t i = 0; i < f.size(); ++i) {
        const StageReport &a = f[i], &b = r[i];
        const std::string at = "report stage " + std::to_string(i) + " " + b.name;
        if (a.name != b.name) return at + ": fast names it " + a.name;
        if (countsText(a.counts) != countsText(b.counts))
            return at + " counts: fast " + countsText(a.counts) + ", reference " + countsText(b.counts);
        if (a.places.size() != b.places.size())
            return at + ": fast " + std::to_string(a.places.size()) + " places, reference " +
                   std::to_string(b.places.size());
        for (size_t k = 0; k < a.places.size(); ++k) {
            const RepairPlace &p = a.places[k], &q = b.places[k];
            if (p.kind != q.kind || !same(p.x, q.x) || !same(p.y, q.y) || !same(p.measure, q.measure))
                return at + " place " + std::to_string(k) + ": fast " +
                       values({double(p.kind), p.x, p.y, p.measure}) + ", reference " +
                       values({double(q.kind), q.x, q.y, q.measure});
        }
    }
    return {};
}

std::string firstDifference(const Drawing& f, const Drawing& r, bool marks) {
    if (f.linecount != r.linecount || f.arccount != r.arccount)
        return "counts: fast " + std::to_string(f.linecount) + " lines " + std::to_string(f.arccount) +
               " arcs, reference " + std::to_string(r.linecount) + " lines " + std::to_string(r.arccount) +
               " arcs";
    for (int32_t i = 0; i < f.linecount; ++i) {
        const Line &a = f.lines[i], &b = r.lines[i];
        if (!same(a.x1, b.x1) || !same(a.y1, b.y1) || !same(a.x2, b.x2) || !same(a.y2, b.y2) ||
            a.contour != b.contour)
            return slot("line", i, values({a.x1, a.y1, a.x2, a.y2, double(a.contour)}),
                        values({b.x1, b.y1, b.x2, b.y2, double(b.contour)}));
    }
    for (int32_t i = 0; i < f.arccount; ++i) {
        const Arc &a = f.arcs[i], &b = r.arcs[i];
        if (!same(a.cx, b.cx) || !same(a.cy, b.cy) || !same(a.r, b.r) || !same(a.a1, b.a1) ||
            !same(a.a2, b.a2) || a.contour != b.contour)
            return slot("arc", i, values({a.cx, a.cy, a.r, a.a1, a.a2, double(a.contour)}),
                        values({b.cx, b.cy, b.r, b.a1, b.a2, double(b.contour)}));
    }
    const auto fo = f.usedOrder(), ro = r.usedOrder();
    for (size_t i = 0; i < fo.size(); ++i)
        if (fo[i] != ro[i])
            return slot("order", static_cast<int32_t>(i), std::to_string(fo[i].raw()),
                        std::to_string(ro[i].raw()));
    if (!marks) return {};
    if (f.freecount != r.freecount)
        return "free-end count: fast " + std::to_string(f.freecount) + ", reference " +
               std::to_string(r.freecount);
    const auto ff = f.usedFreeEnds(), rf = r.usedFreeEnds();
    for (size_t i = 0; i < ff.size(); ++i) {
        const FreeEnd &a = ff[i], &b = rf[i];
        if (!same(a.x, b.x) || !same(a.y, b.y) || a.ref != b.ref || a.end != b.end ||
            !same(f.markAngle[i], r.markAngle[i]))
            return slot("free end", static_cast<int32_t>(i),
                        values({a.x, a.y, double(a.ref.raw()), double(a.end), f.markAngle[i]}),
                        values({b.x, b.y, double(b.ref.raw()), double(b.end), r.markAngle[i]}));
    }
    return {};
}

std::string firstDifference(const std::vector<std::string>& f, const std::vector<std::string>& r) {
    const size_t n = std::min(f.size(), r.size());
    for (size_t i = 0; i < n; ++i)
        if (f[i] != r[i])
            return "shown " + std::to_string(i) + ": fast \"" + f[i] + "\", reference \"" + r[i] + "\"";
    if (f.size() != r.size())
        return "shown: fast " + std::to_string(f.size()) + " entries, reference " + std::to_string(r.size()) +
               (n < f.size() ? ", fast then \"" + f[n] + "\"" : ", reference then \"" + r[n] + "\"");
    return {};
}

std::string fingerprint(const Drawing& d) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&](uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    auto mixDouble = [&](double v) { mix(std::bit_cast<uint64_t>(v)); };
    for (const Line& l : d.usedLines()) {
        for (const double v : {l.x1, l.y1, l.x2, l.y2}) mixDouble(v);
        mix(static_cast<uint64_t>(l.contour));
    }
    for (const Arc& a : d.usedArcs()) {
        for (const double v : {a.cx, a.cy, a.r, a.a1, a.a2}) mixDouble(v);
        mix(static_cast<uint64_t>(a.contour));
    }
    for (const ElementRef e : d.usedOrder()) mix(static_cast<uint64_t>(e.raw()));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d lines %d arcs %016llx", d.linecount, d.arccount,
                  static_cast<unsigned long long>(h));
    return buf;
}

} // namespace vectrim::differential
