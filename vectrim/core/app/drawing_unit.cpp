#include "app/drawing_unit.h"

#include <atomic>

namespace vectrim {

namespace {
std::atomic<DrawingUnit> gUnit{DrawingUnit::Millimetre};
}

void setDrawingUnit(DrawingUnit unit) { gUnit.store(unit); }
DrawingUnit drawingUnit() { return gUnit.load(); }
const char* unitName(DrawingUnit unit) { return unit == DrawingUnit::Inch ? "inch" : "mm"; }

} // namespace vectrim
