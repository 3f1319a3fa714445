// The unit a build of the main program works in: millimetres, or inches in
// the English inch build. It names the unit in the size labels and the
// printed header, picks the wizard's presets, and tells whether a small
// drawing may be in inches. The processing limits (0.1 smallest length and
// the like) are the same numbers in either unit.
#pragma once

namespace vectrim {

enum class DrawingUnit { Millimetre, Inch };

// Set once when the program starts; millimetres unless set.
void setDrawingUnit(DrawingUnit unit);
DrawingUnit drawingUnit();

// "mm" or "inch", as the labels show it in brackets.
const char* unitName(DrawingUnit unit);

} // namespace vectrim
