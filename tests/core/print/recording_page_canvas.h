// A page canvas for tests: records every drawing operation in page
// millimetres.
#pragma once

#include "print/page_canvas.h"

#include <string>
#include <vector>

namespace vectrim::test {

struct PageOp {
    enum Kind { Clear, Line, Box, Circle, Arc, Text, Flush } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line, Box: the ends; Circle, Arc: centre, radius in x2
    double a1 = 0, a2 = 0;                 // Arc: radians
    int colour = -1;
    std::string text;
};

class RecordingPageCanvas : public PageCanvas {
public:
    void clear() override { ops.push_back({PageOp::Clear, 0, 0, 0, 0, 0, 0, -1, {}}); }
    void setMode(DrawMode) override {}
    void line(double x1, double y1, double x2, double y2, int colour) override {
        ops.push_back({PageOp::Line, x1, y1, x2, y2, 0, 0, colour, {}});
    }
    void box(double x1, double y1, double x2, double y2, int colour) override {
        ops.push_back({PageOp::Box, x1, y1, x2, y2, 0, 0, colour, {}});
    }
    void circle(double cx, double cy, double r, int colour) override {
        ops.push_back({PageOp::Circle, cx, cy, r, 0, 0, 0, colour, {}});
    }
    void arc(double cx, double cy, double r, double a1, double a2, int colour) override {
        ops.push_back({PageOp::Arc, cx, cy, r, 0, a1, a2, colour, {}});
    }
    void text(double x, double y, std::string_view t, double height, int colour) override {
        ops.push_back({PageOp::Text, x, y, height, 0, 0, 0, colour, std::string(t)});
    }
    void flush() override { ops.push_back({PageOp::Flush, 0, 0, 0, 0, 0, 0, -1, {}}); }

    std::vector<PageOp> of(PageOp::Kind k) const {
        std::vector<PageOp> r;
        for (const PageOp& op : ops)
            if (op.kind == k) r.push_back(op);
        return r;
    }
    std::vector<PageOp> ops;
};

} // namespace vectrim::test
