// Our own DXF writer, in the two forms that CAM programs read:
//
// - lines and arcs: an R12 (AC1009) file with LINE, ARC and CIRCLE, the form
//   that every CAM program reads;
// - contours as polylines: an R2000 (AC1015) file with one LWPOLYLINE (with
//   bulges) per contour, and the tables, blocks and objects that a strict
//   reader expects.
//
// Both are ASCII with CR LF line ends (as AutoCAD writes them; readers on
// every platform accept them), group codes right-aligned in three columns,
// everything on layer "0". Every number is written in the shortest form
// that reads back as the same double, and every value is checked: a value
// that is not finite makes the whole document fail, so no half-usable file
// is ever written.
#pragma once

#include "export/polylines.h"
#include "model/drawing.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vectrim {

enum class DxfUnit { Millimetre, Inch };

// The text of a finite number that reads back as exactly the same double:
// the shortest such text, plain decimal ("0.5", "-12.25", "100") for
// magnitudes from kDxfPlainMin to below kDxfPlainMax and 0, exponent form
// ("1e-07", "2.5e+15") outside.
inline constexpr double kDxfPlainMin = 1e-6;
inline constexpr double kDxfPlainMax = 1e15;
std::string dxfNumber(double v);

// What a document holds.
struct DxfContent {
    int32_t entities = 0; // LINE, ARC and CIRCLE, or LWPOLYLINE
    int32_t skipped = 0;  // degenerate elements left out (see isDegenerate)
};

// The element references in the order the lines-and-arcs form writes them:
// the contour order table when it lists every element exactly once (so a
// CAM program that cuts in file order goes contour by contour), otherwise
// all lines, then all arcs, in index order.
std::vector<ElementRef> writeOrder(const Drawing& d);

// Whether every coordinate, radius and angle of the drawing is finite.
bool allFinite(const Drawing& d);

// The lines-and-arcs form (R12). False when a value is not finite.
bool dxfLinesArcs(const Drawing& d, DxfUnit unit, std::string& out, DxfContent& content);

// The polyline form (R2000) of polylines built from `d` (whose extents go
// into the header). False when a value is not finite.
bool dxfPolylines(const Drawing& d, const Polylines& p, DxfUnit unit, std::string& out, DxfContent& content);

} // namespace vectrim
