// Line-run reduction: every run of consecutive lines within a contour is
// replaced by fewer lines; every point left out stays within reducetol of the
// line that replaces it.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"
#include "pipeline/line_run_walk.h"

#include <cstdint>
#include <span>

namespace vectrim {

void reducelines(Drawing& d, const RunSettings& t, Host& host);

// Simplifies the point list P0 .. Pm greedily and appends the resulting
// lines (contour number 0) through `lines`, which keeps them while the table
// is full.
void simplifyrun(Drawing& d, std::span<const Point> points, int32_t m, double r, AppendedLines& lines);

// Whether Q lies in the box of A-B (widened by 0.00001) and closer than r to
// the point at distance |AQ| from A towards B.
bool nearsegment(Point q, Point a, Point b, double r);

} // namespace vectrim
