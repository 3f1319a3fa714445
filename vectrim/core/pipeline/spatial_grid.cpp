#include "pipeline/spatial_grid.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

constexpr int64_t kMaxCellsPerBox = 256;    // larger boxes are met by every query
constexpr int64_t kMaxQueryCells = 64;      // larger queries visit every item
constexpr double kMaxCellCoordinate = 4e15; // cell numbers beyond this do not fit the hash

bool finite(const GridBox& b) {
    return std::isfinite(b.xmin) && std::isfinite(b.ymin) && std::isfinite(b.xmax) && std::isfinite(b.ymax);
}

bool meet(const GridBox& a, const GridBox& b) {
    if (!finite(a) || !finite(b)) return true;
    return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax;
}

// The cell number of a coordinate: floor(v * inverse); false when it does
// not fit (not finite or too far out).
bool cellOf(double v, double inverse, int64_t& cell) {
    const double s = v * inverse;
    if (!(std::fabs(s) < kMaxCellCoordinate)) return false;
    cell = static_cast<int64_t>(s);            // toward zero ...
    if (static_cast<double>(cell) > s) --cell; // ... then down for negative fractions
    return true;
}

// The cells a box covers with cells of 1 / inverse; false when they cannot
// be numbered. Multiplying by a positive number keeps the order of the
// coordinates, so boxes that meet share a cell.
bool cellRange(const GridBox& b, double inverse, int64_t& x0, int64_t& y0, int64_t& x1, int64_t& y1) {
    if (!finite(b)) return false;
    return cellOf(std::min(b.xmin, b.xmax), inverse, x0) && cellOf(std::min(b.ymin, b.ymax), inverse, y0) &&
           cellOf(std::max(b.xmin, b.xmax), inverse, x1) && cellOf(std::max(b.ymin, b.ymax), inverse, y1);
}

// The number of cells a box covers, or -1 when it goes in no cell.
int64_t cellCount(const GridBox& b, double inverse) {
    int64_t x0, y0, x1, y1;
    if (!cellRange(b, inverse, x0, y0, x1, y1)) return -1;
    const int64_t w = x1 - x0 + 1, h = y1 - y0 + 1;
    if (w > kMaxCellsPerBox || h > kMaxCellsPerBox || w * h > kMaxCellsPerBox) return -1;
    return w * h;
}

} // namespace

void SpatialGrid::clear() {
    entries_.clear();
    laid_ = 0;
    cell_ = inverse_ = 0;
    mask_ = 0;
    starts_.clear();
    items_.clear();
    anywhere_.clear();
    waitingHeads_.clear();
    waitingNodes_.clear();
    waitingAnywhere_.clear();
}

void SpatialGrid::add(int32_t item, const GridBox& box) {
    entries_.push_back({item, box});
    if (cell_ <= 0) return;
    // Boxes added after the grid was laid wait in lists of their own per
    // bucket; when they are more than those laid, the grid is laid again
    // with the same cells (each laying costs the number of boxes, so both
    // stay near-linear in all).
    const auto k = static_cast<int32_t>(entries_.size() - 1);
    if (waitingHeads_.empty()) waitingHeads_.assign(mask_ + 1, -1);
    const bool inCells = forCells(box, [&](uint64_t b) {
        waitingNodes_.push_back({k, waitingHeads_[b]});
        waitingHeads_[b] = static_cast<int32_t>(waitingNodes_.size() - 1);
    });
    if (!inCells) waitingAnywhere_.push_back(k);
    if (entries_.size() - laid_ > laid_ + 1024) lay(cell_);
}

void SpatialGrid::build(double cellSize) { lay(cellSize > 0 ? cellSize : cellSizeFromBoxes()); }

double SpatialGrid::cellSizeFromBoxes() const {
    std::vector<double> sizes;
    sizes.reserve(entries_.size());
    double extent = 0;
    for (const Entry& e : entries_) {
        if (!finite(e.box)) continue;
        sizes.push_back(std::max(std::fabs(e.box.xmax - e.box.xmin), std::fabs(e.box.ymax - e.box.ymin)));
        extent = std::max({extent, std::fabs(e.box.xmin), std::fabs(e.box.xmax), std::fabs(e.box.ymin),
                           std::fabs(e.box.ymax)});
    }
    if (sizes.empty()) return 1;
    const auto mid = sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2);
    std::nth_element(sizes.begin(), mid, sizes.end());
    double cell = *mid;
    if (!(cell > 0)) cell = extent / std::sqrt(static_cast<double>(sizes.size()));
    // Cells far below the numbers' resolution would only cost memory.
    cell = std::max({cell, extent * 1e-12, 1e-9});
    // Coarser cells until the boxes fill a number of cells proportional to
    // their number and few boxes are too large for the cells.
    const auto n = static_cast<int64_t>(sizes.size());
    for (int round = 0; round < 64; ++round) {
        int64_t cells = 0, large = 0;
        for (const Entry& e : entries_) {
            if (!finite(e.box)) continue;
            const int64_t c = cellCount(e.box, 1 / cell);
            if (c < 0)
                ++large;
            else
                cells += c;
        }
        if (cells <= 4 * n + 1024 && large <= 64 + n / 16) break;
        cell *= 2;
    }
    return cell;
}

uint64_t SpatialGrid::bucket(int64_t x, int64_t y) const {
    uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull;
    h ^= (static_cast<uint64_t>(y) + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return h & mask_;
}

template <class Visit>
bool SpatialGrid::forCells(const GridBox& box, Visit&& visit) const {
    int64_t x0, y0, x1, y1;
    if (!cellRange(box, inverse_, x0, y0, x1, y1)) return false;
    const int64_t w = x1 - x0 + 1, h = y1 - y0 + 1;
    if (w > kMaxCellsPerBox || h > kMaxCellsPerBox || w * h > kMaxCellsPerBox) return false;
    for (int64_t x = x0; x <= x1; ++x)
        for (int64_t y = y0; y <= y1; ++y) visit(bucket(x, y));
    return true;
}

void SpatialGrid::lay(double cellSize) {
    cell_ = cellSize;
    inverse_ = 1 / cellSize;
    anywhere_.clear();
    // The cells of each box, numbered once: a box in no cell gets w = 0.
    struct Span {
        int64_t x0, y0;
        int32_t w, h;
    };
    std::vector<Span> spans(entries_.size());
    int64_t total = 0;
    for (size_t k = 0; k < entries_.size(); ++k) {
        int64_t x0, y0, x1, y1;
        Span& s = spans[k];
        s = {0, 0, 0, 0};
        if (!cellRange(entries_[k].box, inverse_, x0, y0, x1, y1)) continue;
        const int64_t w = x1 - x0 + 1, h = y1 - y0 + 1;
        if (w > kMaxCellsPerBox || h > kMaxCellsPerBox || w * h > kMaxCellsPerBox) continue;
        s = {x0, y0, static_cast<int32_t>(w), static_cast<int32_t>(h)};
        total += w * h;
    }
    uint64_t buckets = 16;
    while (buckets < static_cast<uint64_t>(total)) buckets *= 2;
    mask_ = buckets - 1;
    starts_.assign(buckets + 1, 0);
    items_.resize(static_cast<size_t>(total));
    waitingHeads_.clear(); // made when the first box comes after laying
    waitingNodes_.clear();
    waitingAnywhere_.clear();

    auto forSpan = [&](const Span& s, auto&& visit) {
        for (int64_t x = s.x0; x < s.x0 + s.w; ++x)
            for (int64_t y = s.y0; y < s.y0 + s.h; ++y) visit(bucket(x, y));
    };
    // Counting sort: bucket sizes, the ends of the buckets, then the items
    // placed from the last one added backwards, which leaves each bucket in
    // the order the items were added and starts_[b] at the bucket's start.
    for (size_t k = 0; k < entries_.size(); ++k) {
        if (spans[k].w == 0)
            anywhere_.push_back(entries_[k].item);
        else
            forSpan(spans[k], [&](uint64_t b) { ++starts_[b]; });
    }
    for (size_t b = 0; b < buckets; ++b) starts_[b + 1] += starts_[b];
    for (size_t k = entries_.size(); k-- > 0;)
        forSpan(spans[k], [&](uint64_t b) { items_[static_cast<size_t>(--starts_[b])] = entries_[k].item; });
    laid_ = entries_.size();
}

void SpatialGrid::query(const GridBox& q, std::vector<int32_t>& out) const {
    out.clear();
    int64_t x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    const bool cells = cell_ > 0 && cellRange(q, inverse_, x0, y0, x1, y1) &&
                       (x1 - x0 + 1) <= kMaxQueryCells && (y1 - y0 + 1) <= kMaxQueryCells &&
                       (x1 - x0 + 1) * (y1 - y0 + 1) <= kMaxQueryCells;
    if (!cells) {
        // Not finite or very large: every item is a candidate.
        for (const Entry& e : entries_) out.push_back(e.item);
    } else {
        for (int64_t x = x0; x <= x1; ++x) {
            for (int64_t y = y0; y <= y1; ++y) {
                const uint64_t b = bucket(x, y);
                out.insert(out.end(), items_.begin() + starts_[b], items_.begin() + starts_[b + 1]);
                if (waitingHeads_.empty()) continue;
                for (int32_t n = waitingHeads_[b]; n >= 0; n = waitingNodes_[static_cast<size_t>(n)].next) {
                    const Entry& e =
                        entries_[static_cast<size_t>(waitingNodes_[static_cast<size_t>(n)].entry)];
                    if (meet(e.box, q)) out.push_back(e.item);
                }
            }
        }
        out.insert(out.end(), anywhere_.begin(), anywhere_.end());
        for (const int32_t k : waitingAnywhere_) out.push_back(entries_[static_cast<size_t>(k)].item);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

} // namespace vectrim
