// The runs of lines of a contour: stretches of consecutive line entries of
// one contour number in the contour order table. Arc fitting and line-run
// reduction both work run by run.
#pragma once

#include "model/drawing.h"

#include <cstdint>
#include <vector>

namespace vectrim {

// Calls visit(begin, end) for every run order[begin .. end - 1]. A run ends
// at an arc entry, at a line of another contour and at the end of the
// entries. The walk covers the entries as they were when it started; visit
// may append elements (their entries lie beyond).
template <class Visit>
void forEachLineRun(const Drawing& d, Visit&& visit) {
    const int32_t entries = d.elementCount();
    int32_t runStart = -1;
    int16_t runContour = -1;
    for (int32_t k = 0; k < entries; ++k) {
        const ElementRef ref = d.order[k];
        const bool line = d.holds(ref) && ref.isLine();
        if (runStart >= 0 && (!line || d.lines[ref.index()].contour != runContour)) {
            visit(runStart, k);
            runStart = -1;
        }
        if (line && runStart < 0) {
            runStart = k;
            runContour = d.lines[ref.index()].contour;
        }
    }
    if (runStart >= 0) visit(runStart, entries);
}

// The points of the run order[begin .. end - 1]: the start of each line, then
// the end of the last one.
inline void runPoints(const Drawing& d, int32_t begin, int32_t end, std::vector<Point>& points) {
    points.clear();
    for (int32_t k = begin; k < end; ++k) {
        const Line& l = d.lines[d.order[k].index()];
        points.push_back({l.x1, l.y1});
    }
    const Line& last = d.lines[d.order[end - 1].index()];
    points.push_back({last.x2, last.y2});
}

// The lines a stage appends while the lines they replace still hold their
// slots. Where the line table is full, a line waits here instead of being
// dropped, and is appended once the replaced lines have gone (after
// compactLines): a drawing near the table's capacity loses no line.
class AppendedLines {
public:
    // Appends the line, or keeps it (and every later one) waiting.
    void append(Drawing& d, double x1, double y1, double x2, double y2, int16_t contour = -1) {
        if (waiting_.empty() && d.linecount < kMaxElements) {
            d.appendLine(x1, y1, x2, y2, contour);
            return;
        }
        waiting_.push_back({x1, y1, x2, y2, contour});
    }
    // Appends the waiting lines, as far as the table takes them.
    void appendWaiting(Drawing& d) {
        for (const Line& l : waiting_)
            if (!d.appendLine(l.x1, l.y1, l.x2, l.y2, l.contour)) break;
        waiting_.clear();
    }

private:
    std::vector<Line> waiting_;
};

// Removes the lines marked in `gone` (by index); the others move down in
// index order. The order table is left as it is.
inline void compactLines(Drawing& d, const std::vector<char>& gone) {
    int32_t kept = 0;
    for (int32_t i = 0; i < d.linecount; ++i)
        if (!gone[static_cast<size_t>(i)]) d.lines[kept++] = d.lines[i];
    d.linecount = kept;
}

} // namespace vectrim
