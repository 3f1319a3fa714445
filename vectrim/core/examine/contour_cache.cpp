#include "examine/contour_cache.h"

#include "pipeline/contours.h"

#include <bit>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace vectrim {

namespace {

bool same(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

bool same(const Line& a, const Line& b) {
    return same(a.x1, b.x1) && same(a.y1, b.y1) && same(a.x2, b.x2) && same(a.y2, b.y2) &&
           a.contour == b.contour;
}

bool same(const Arc& a, const Arc& b) {
    return same(a.cx, b.cx) && same(a.cy, b.cy) && same(a.r, b.r) && same(a.a1, b.a1) && same(a.a2, b.a2) &&
           a.contour == b.contour;
}

bool same(ElementRef a, ElementRef b) { return a == b; }

template <typename T>
bool sameSlots(std::span<const T> now, const std::vector<T>& kept) {
    if (now.size() != kept.size()) return false;
    for (size_t k = 0; k < now.size(); ++k)
        if (!same(now[k], kept[k])) return false;
    return true;
}

// What contour building reads: the used slots of the tables.
struct Input {
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<ElementRef> order;

    bool matches(const Drawing& d) const {
        return sameSlots(d.usedLines(), lines) && sameSlots(d.usedArcs(), arcs) &&
               sameSlots(d.usedOrder(), order);
    }
    void take(const Drawing& d) {
        lines.assign(d.usedLines().begin(), d.usedLines().end());
        arcs.assign(d.usedArcs().begin(), d.usedArcs().end());
        order.assign(d.usedOrder().begin(), d.usedOrder().end());
    }
};

// The core runs on one thread. Building lets the user interface run, so a
// call may come while another builds: each stores the contours together
// with the tables they were built from.
struct Kept {
    Input input;
    std::shared_ptr<const Drawing> contours;
};

Kept& kept() {
    static Kept k;
    return k;
}

} // namespace

std::shared_ptr<const Drawing> keptContours(const Drawing& d, Host& host) {
    Kept& k = kept();
    if (k.contours && k.input.matches(d)) return k.contours;
    k.contours.reset(); // its memory is free before the new copy is made
    Input input;
    input.take(d);
    std::shared_ptr<const Drawing> built = contoursOnCopy(d, host);
    k.input = std::move(input);
    k.contours = built;
    return built;
}

std::unique_ptr<Drawing> keptContoursOnCopy(const Drawing& d, Host& host) {
    return std::make_unique<Drawing>(*keptContours(d, host));
}

void forgetKeptContours() {
    Kept& k = kept();
    k.contours.reset();
    k.input = Input{};
}

} // namespace vectrim
