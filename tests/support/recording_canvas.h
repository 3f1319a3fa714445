// A canvas for tests: records every drawing operation.
#pragma once

#include "view/canvas.h"

#include <vector>

namespace vectrim::test {

struct CanvasOp {
    enum Kind { Clear, Line, Box, Mode, Flush } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int colour = -1;
    DrawMode mode = DrawMode::Copy;
};

class RecordingCanvas : public Canvas {
public:
    void clear() override { ops.push_back({CanvasOp::Clear}); }
    void setMode(DrawMode m) override {
        CanvasOp op{CanvasOp::Mode};
        op.mode = m;
        ops.push_back(op);
    }
    void line(double x1, double y1, double x2, double y2, int colour) override {
        ops.push_back({CanvasOp::Line, x1, y1, x2, y2, colour, DrawMode::Copy});
    }
    void box(double x1, double y1, double x2, double y2, int colour) override {
        ops.push_back({CanvasOp::Box, x1, y1, x2, y2, colour, DrawMode::Copy});
    }
    void flush() override { ops.push_back({CanvasOp::Flush}); }

    std::vector<CanvasOp> of(CanvasOp::Kind k) const {
        std::vector<CanvasOp> r;
        for (const CanvasOp& op : ops)
            if (op.kind == k) r.push_back(op);
        return r;
    }
    std::vector<CanvasOp> ops;
};

} // namespace vectrim::test
