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
// The cells a box goes in: w by h from (x0, y0); false when it goes in no
// cell (not finite, too far out, or over too many cells).
bool cellsOf(const GridBox& b, double inverse, int64_t& x0, int64_t& y0, int64_t& w, int64_t& h) {
    int64_t x1, y1;
    if (!cellRange(b, inverse, x0, y0, x1, y1)) return false;
    w = x1 - x0 + 1;
    h = y1 - y0 + 1;
    return w <= kMaxCellsPerBox && h <= kMaxCellsPerBox && w * h <= kMaxCellsPerBox;
}

int64_t cellCount(const GridBox& b, double inverse) {
    int64_t x0, y0, w, h;
    return cellsOf(b, inverse, x0, y0, w, h) ? w * h : -1;
}

} // namespace

void SpatialGrid::clear() {
    entryItems_.clear();
    entryBoxes_.clear();
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
    entryItems_.push_back(item);
    entryBoxes_.push_back(box);
    if (cell_ <= 0) return;
    // Boxes added after the grid was laid wait in lists of their own per
    // bucket; when they are more than those laid, the grid is laid again
    // with the same cells (each laying costs the number of boxes, so both
    // stay near-linear in all).
    const auto k = static_cast<int32_t>(entryItems_.size() - 1);
    if (waitingHeads_.empty()) waitingHeads_.assign(mask_ + 1, -1);
    const bool inCells = forCells(box, [&](uint64_t hash) {
        const uint64_t b = hash & mask_;
        waitingNodes_.push_back({k, waitingHeads_[b]});
        waitingHeads_[b] = static_cast<int32_t>(waitingNodes_.size() - 1);
    });
    if (!inCells) waitingAnywhere_.push_back(k);
    if (entryItems_.size() - laid_ > laid_ + 1024) lay(cell_);
}

void SpatialGrid::build(double cellSize) { lay(cellSize > 0 ? cellSize : cellSizeFromBoxes()); }

double SpatialGrid::cellSizeFromBoxes() const {
    std::vector<double> sizes;
    sizes.reserve(entryBoxes_.size());
    double extent = 0;
    for (const GridBox& b : entryBoxes_) {
        if (!finite(b)) continue;
        sizes.push_back(std::max(std::fabs(b.xmax - b.xmin), std::fabs(b.ymax - b.ymin)));
        extent =
            std::max({extent, std::fabs(b.xmin), std::fabs(b.xmax), std::fabs(b.ymin), std::fabs(b.ymax)});
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
        for (const GridBox& b : entryBoxes_) {
            if (!finite(b)) continue;
            const int64_t c = cellCount(b, 1 / cell);
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

uint64_t SpatialGrid::cellHash(int64_t x, int64_t y) {
    uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull;
    h ^= (static_cast<uint64_t>(y) + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return h;
}

template <class Visit>
bool SpatialGrid::forCells(const GridBox& box, Visit&& visit) const {
    int64_t x0, y0, w, h;
    if (!cellsOf(box, inverse_, x0, y0, w, h)) return false;
    for (int64_t x = x0; x < x0 + w; ++x)
        for (int64_t y = y0; y < y0 + h; ++y) visit(cellHash(x, y));
    return true;
}

void SpatialGrid::lay(double cellSize) {
    cell_ = cellSize;
    inverse_ = 1 / cellSize;
    anywhere_.clear();
    // Per box: the hash of its cell when it lies in one cell, as most boxes
    // (points) do; boxes over several cells are numbered again when placed.
    enum : uint8_t { kNoCell, kOneCell, kCells };
    std::vector<uint64_t> one(entryItems_.size());
    std::vector<uint8_t> kind(entryItems_.size(), kNoCell);
    int64_t total = 0;
    for (size_t k = 0; k < entryItems_.size(); ++k) {
        int64_t x0, y0, w, h;
        if (!cellsOf(entryBoxes_[k], inverse_, x0, y0, w, h)) continue;
        if (w * h == 1) {
            kind[k] = kOneCell;
            one[k] = cellHash(x0, y0);
        } else {
            kind[k] = kCells;
        }
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

    auto forCellsOf = [&](size_t k, auto&& visit) {
        if (kind[k] == kOneCell)
            visit(one[k]);
        else if (kind[k] == kCells)
            forCells(entryBoxes_[k], visit);
    };
    // Counting sort: bucket sizes, the ends of the buckets, then the items
    // placed from the last one added backwards, which leaves each bucket in
    // the order the items were added and starts_[b] at the bucket's start.
    for (size_t k = 0; k < entryItems_.size(); ++k) {
        if (kind[k] == kNoCell)
            anywhere_.push_back(entryItems_[k]);
        else
            forCellsOf(k, [&](uint64_t h) { ++starts_[h & mask_]; });
    }
    for (size_t b = 0; b < buckets; ++b) starts_[b + 1] += starts_[b];
    for (size_t k = entryItems_.size(); k-- > 0;)
        forCellsOf(k, [&](uint64_t h) {
            items_[static_cast<size_t>(--starts_[h & mask_])] = {entryItems_[k],
                                                                 static_cast<uint32_t>(h >> 32)};
        });
    laid_ = entryItems_.size();
}

void SpatialGrid::query(const GridBox& q, std::vector<int32_t>& out) const {
    out.clear();
    if (entryItems_.empty()) return;
    int64_t x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    const bool cells = cell_ > 0 && cellRange(q, inverse_, x0, y0, x1, y1) &&
                       (x1 - x0 + 1) <= kMaxQueryCells && (y1 - y0 + 1) <= kMaxQueryCells &&
                       (x1 - x0 + 1) * (y1 - y0 + 1) <= kMaxQueryCells;
    if (!cells) {
        // Not finite or very large: every item is a candidate.
        out.assign(entryItems_.begin(), entryItems_.end());
    } else {
        for (int64_t x = x0; x <= x1; ++x) {
            for (int64_t y = y0; y <= y1; ++y) {
                const uint64_t h = cellHash(x, y), b = h & mask_;
                const auto cell = static_cast<uint32_t>(h >> 32);
                for (int32_t k = starts_[b]; k < starts_[b + 1]; ++k)
                    if (items_[static_cast<size_t>(k)].cell == cell)
                        out.push_back(items_[static_cast<size_t>(k)].item);
                if (waitingHeads_.empty()) continue;
                for (int32_t n = waitingHeads_[b]; n >= 0; n = waitingNodes_[static_cast<size_t>(n)].next) {
                    const auto e = static_cast<size_t>(waitingNodes_[static_cast<size_t>(n)].entry);
                    if (meet(entryBoxes_[e], q)) out.push_back(entryItems_[e]);
                }
            }
        }
        out.insert(out.end(), anywhere_.begin(), anywhere_.end());
        for (const int32_t k : waitingAnywhere_) out.push_back(entryItems_[static_cast<size_t>(k)]);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

} // namespace vectrim
