// A canvas for an A4 page, addressed in page millimetres with the origin at
// the top left and y downwards: the print preview, the printer and the PDF
// file draw through it. Besides the segments and circles of every canvas it
// draws partial arcs and lines of text.
#pragma once

#include "view/canvas.h"

#include <string_view>

namespace vectrim {

class PageCanvas : public Canvas {
public:
    // A partial arc about (cx, cy) of radius r, counter-clockwise from a1 to
    // a2 (radians, as the drawing sees them; on the page a point at angle t
    // lies at (cx + r cos t, cy - r sin t)). An arc with a1 > a2 passes 0.
    virtual void arc(double cx, double cy, double r, double a1, double a2, int colour) = 0;
    // One line of text whose top left corner is at (x, y), in a font of the
    // given height (millimetres).
    virtual void text(double x, double y, std::string_view text, double height, int colour) = 0;
};

} // namespace vectrim
