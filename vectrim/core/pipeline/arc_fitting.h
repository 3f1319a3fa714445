// Line-to-arc conversion: chains of short lines from polygonised curves are
// replaced by as few arcs as possible, each within reducetol of the lines it
// replaces; lines stay where no acceptable arc fits.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"
#include "pipeline/line_run_walk.h"

#include <cstdint>
#include <span>

namespace vectrim {

void convertlines(Drawing& d, const RunSettings& t, Host& host);

// Converts the chain of points first .. last of the buffer into arcs and
// lines, greedily, longest arc first, appending them to the drawing (the
// lines through `lines`, which keeps them while the table is full).
void fitarcs(Drawing& d, const RunSettings& t, Host& host, int32_t first, int32_t last,
             std::span<const Point> points, AppendedLines& lines);

// Whether the line P-Q lies on the arc (centre, radius, angles in radians)
// within the tolerance: ok = 1 when it does (and when P and Q coincide).
void segmentonarc(double px, double py, double qx, double qy, double cx, double cy, double r, double a1,
                  double a2, int16_t& ok, double tolerance);

} // namespace vectrim
