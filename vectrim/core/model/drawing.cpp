#include "drawing.h"

#include <cmath>

namespace vectrim {

Drawing::Drawing()
    : lines(kTableSlots),
      arcs(kTableSlots),
      order(kOrderSlots),
      freeends(kFreeEndSlots),
      markAngle(kFreeEndSlots) {}

bool Drawing::appendLine(double x1, double y1, double x2, double y2, int16_t contour) {
    lines[linecount] = Line{x1, y1, x2, y2, contour};
    order[linecount + arccount] = ElementRef::line(linecount);
    if (linecount >= kMaxElements) return false;
    ++linecount;
    return true;
}

bool Drawing::appendArc(double cx, double cy, double r, double a1, double a2, int16_t contour) {
    arcs[arccount] = Arc{cx, cy, r, a1, a2, contour};
    order[linecount + arccount] = ElementRef::arc(arccount);
    if (arccount >= kMaxElements) return false;
    ++arccount;
    return true;
}

double normalisedAngle(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    // Far-off values are first brought near the range, so that the loops
    // below stay short.
    if (degrees > 1e6 || degrees < -1e6) degrees = std::fmod(degrees, 360.0);
    while (degrees > 360) degrees -= 360;
    while (degrees < 0) degrees += 360;
    return degrees;
}

Point arcStart(const Arc& a) {
    const double t = a.a1 * kDegToRad;
    return {a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)};
}

Point arcEnd(const Arc& a) {
    const double t = a.a2 * kDegToRad;
    return {a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)};
}

} // namespace vectrim
