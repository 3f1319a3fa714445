#include "examine/end_cells.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Sorts a short list and drops repeats.
void sortUnique(std::vector<int32_t>& v) {
    for (size_t i = 1; i < v.size(); ++i) {
        const int32_t x = v[i];
        size_t j = i;
        for (; j > 0 && v[j - 1] > x; --j) v[j] = v[j - 1];
        v[j] = x;
    }
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

} // namespace

void EndCells::add(int32_t item, Point p) {
    if (!finite(p)) return;
    ends_.push_back({p.x, p.y, item});
    extent_ = std::max({extent_, std::fabs(p.x), std::fabs(p.y)});
}

uint64_t EndCells::bucket(int64_t x, int64_t y) const {
    uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull;
    h ^= (static_cast<uint64_t>(y) + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return h & mask_;
}

void EndCells::build(double tol) {
    tol_ = tol;
    // Cells of eight tolerances, coarser where the numbers cannot resolve
    // them; cell numbers stay below about 10^12, so they fit the hash.
    const double cell = std::max({8 * tol, extent_ * 1e-12, 1e-300});
    inverse_ = 1 / cell;
    uint64_t count = 16;
    while (count < 2 * ends_.size()) count *= 2;
    mask_ = count - 1;
    std::vector<uint32_t> of(ends_.size());
    starts_.assign(count + 1, 0);
    for (size_t k = 0; k < ends_.size(); ++k) {
        const End& e = ends_[k];
        of[k] = static_cast<uint32_t>(bucket(static_cast<int64_t>(std::floor(e.x * inverse_)),
                                             static_cast<int64_t>(std::floor(e.y * inverse_))));
        ++starts_[of[k] + 1];
    }
    for (size_t b = 0; b < count; ++b) starts_[b + 1] += starts_[b];
    std::vector<End> sorted(ends_.size());
    std::vector<int32_t> next(starts_.begin(), starts_.end() - 1);
    for (size_t k = 0; k < ends_.size(); ++k) sorted[static_cast<size_t>(next[of[k]]++)] = ends_[k];
    ends_.swap(sorted);
}

int EndCells::buckets(Point p, uint64_t (&out)[9]) const {
    if (!finite(p) || starts_.empty()) return 0;
    const double w = kReach * tol_;
    const double fx0 = std::floor((p.x - w) * inverse_), fx1 = std::floor((p.x + w) * inverse_);
    const double fy0 = std::floor((p.y - w) * inverse_), fy1 = std::floor((p.y + w) * inverse_);
    // Every end lies in a cell numbered below about 10^12: a point far
    // beyond meets none.
    for (const double f : {fx0, fx1, fy0, fy1})
        if (!(std::fabs(f) < 4e15)) return 0;
    int n = 0;
    // The box is narrower than a cell: 2 x 2 cells at most, 3 x 3 after
    // rounding.
    for (auto x = static_cast<int64_t>(fx0); x <= static_cast<int64_t>(fx1); ++x) {
        for (auto y = static_cast<int64_t>(fy0); y <= static_cast<int64_t>(fy1); ++y) {
            const uint64_t b = bucket(x, y);
            if (n < 9 && std::find(out, out + n, b) == out + n) out[n++] = b;
        }
    }
    return n;
}

void EndCells::near(Point p, std::vector<int32_t>& out) const {
    out.clear();
    anyNear(p, [&](const End& e) {
        out.push_back(e.item);
        return false;
    });
    sortUnique(out);
}

void EndCells::near(Point p, Point q, std::vector<int32_t>& out) const {
    out.clear();
    auto take = [&](const End& e) {
        out.push_back(e.item);
        return false;
    };
    anyNear(p, take);
    anyNear(q, take);
    sortUnique(out);
}

ElementEnds::ElementEnds(const Drawing& d, double tol) : tol_(tol), lines_(static_cast<size_t>(d.linecount)) {
    const size_t n = lines_ + static_cast<size_t>(d.arccount);
    start_.resize(n);
    end_.resize(n);
    for (size_t i = 0; i < lines_; ++i) {
        start_[i] = {d.lines[i].x1, d.lines[i].y1};
        end_[i] = {d.lines[i].x2, d.lines[i].y2};
    }
    for (size_t i = lines_; i < n; ++i) {
        start_[i] = arcStart(d.arcs[i - lines_]);
        end_[i] = arcEnd(d.arcs[i - lines_]);
    }
    for (size_t k = 0; k < n; ++k) {
        cells_.add(static_cast<int32_t>(k), start_[k]);
        cells_.add(static_cast<int32_t>(k), end_[k]);
    }
    cells_.build(tol);
}

bool ElementEnds::touchesOther(Point p, size_t self) {
    if (self >= lines_ && coincide(start_[self].x, start_[self].y, end_[self].x, end_[self].y, tol_))
        return true;
    return cells_.anyNear(p, [&](const EndCells::End& e) {
        return static_cast<size_t>(e.item) != self && coincide(p.x, p.y, e.x, e.y, tol_);
    });
}

int32_t ElementEnds::countAt(Point p) {
    // An element with both ends there counts once.
    near_.clear();
    cells_.anyNear(p, [&](const EndCells::End& e) {
        if (coincide(p.x, p.y, e.x, e.y, tol_)) near_.push_back(e.item);
        return false;
    });
    sortUnique(near_);
    return static_cast<int32_t>(near_.size());
}

} // namespace vectrim
