// Contour building: chains of elements that meet end to end.
//
// Every element gets a contour number, lines are turned round so that each
// chain of lines runs one way, and the contour order table lists the elements
// contour after contour in chain order.
#pragma once

#include "model/drawing.h"
#include "model/host.h"

#include <cstdint>
#include <memory>

namespace vectrim {

// Consumed free-end entries hold this value as x and y.
inline constexpr double kConsumed = -1.111;

// Appends to the free-end table every element end that coincides with no end
// of any other element: line starts, line ends, arc starts, arc ends, each in
// index order. The caller empties the table first.
void findfreeends(Drawing& d);

// The first element without contour number with an end at P (lines before
// arcs, each in index order, start before end). One scan; contour building
// finds its elements through a grid of the ends.
struct ElementAt {
    ElementKind kind = ElementKind::None;
    int32_t index = 0;
    EndCode end = EndCode::None; // which end matched
    Point other;                 // the element's other end
};
ElementAt findelementat(const Drawing& d, double px, double py);

void buildcontours(Drawing& d, Host& host);

// Builds the contours on a copy of the used slots of the drawing and returns
// the copy; the drawing itself keeps its line directions, contour numbers,
// order table and marks. Element indices are the same in both.
std::unique_ptr<Drawing> contoursOnCopy(const Drawing& d, Host& host);

// Whether the drawing has a free end (an open contour), for the analysis;
// leaves the free-end table empty.
bool anyFreeEnd(Drawing& d);

} // namespace vectrim
