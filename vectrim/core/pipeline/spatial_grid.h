// A uniform grid over the boxes of items (element ends, element boxes), to
// find the items near a point without visiting every element. Cells are
// hashed, so the grid takes drawings of any extent; the cells and their
// items are kept in flat arrays. A query gives a superset of the items whose
// boxes meet the query box, in ascending item order, each once: the caller
// applies its exact test, in the order the literal scan would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vectrim {

struct GridBox {
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

// The box of the points within r of (x, y) on each axis.
inline GridBox boxAround(double x, double y, double r) { return {x - r, y - r, x + r, y + r}; }

class SpatialGrid {
public:
    // Forgets every box.
    void clear();

    // Makes room for this many boxes, so that adding them moves nothing.
    void reserve(size_t boxes) {
        entryItems_.reserve(boxes);
        entryBoxes_.reserve(boxes);
    }

    // Adds a box of an item; an item may have several boxes. Boxes added
    // after build() are found too (the grid is laid again when many have
    // come).
    void add(int32_t item, const GridBox& box);

    // Lays the grid over the boxes added so far, with cells of the given
    // size, or with a size taken from the boxes when cellSize is 0.
    void build(double cellSize = 0);

    // Fills `out` with every item one of whose boxes may meet q: ascending,
    // each once. A box or query that is not finite meets everything.
    void query(const GridBox& q, std::vector<int32_t>& out) const;

    double cellSize() const { return cell_; }

private:
    // Every box and its item, in the order added.
    std::vector<int32_t> entryItems_;
    std::vector<GridBox> entryBoxes_;
    size_t laid_ = 0; // entries 0 .. laid_ - 1 are in the cells
    double cell_ = 0, inverse_ = 0;
    uint64_t mask_ = 0; // bucket count - 1
    struct Laid {
        int32_t item;
        uint32_t cell; // the upper half of the cell's hash: cells that share a bucket differ here
    };
    std::vector<int32_t> starts_;   // per bucket: first position in items_
    std::vector<Laid> items_;       // items, bucket after bucket
    std::vector<int32_t> anywhere_; // laid items whose box is in no cell (not finite, or too large)
    struct Waiting {
        int32_t entry, next; // an entry added after laying, and the next node of its bucket (-1: none)
    };
    std::vector<int32_t> waitingHeads_;    // per bucket: its first waiting node, -1 when none
    std::vector<Waiting> waitingNodes_;    // the waiting entries' nodes, bucket by bucket as lists
    std::vector<int32_t> waitingAnywhere_; // waiting entries whose box is in no cell

    // The hash of a cell: its lower bits pick the bucket, the upper half
    // tells the cells of a bucket apart.
    static uint64_t cellHash(int64_t x, int64_t y);
    void lay(double cellSize);
    // Calls visit(cell hash) for each cell the box covers; false when it goes
    // in no cell.
    template <class Visit>
    bool forCells(const GridBox& box, Visit&& visit) const;
    double cellSizeFromBoxes() const;
};

} // namespace vectrim
