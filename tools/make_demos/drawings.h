// The demo drawings: each draws itself in millimetres into a DemoDxf; the
// program folder gets every one twice, in millimetres and, with a leading
// "i" in its name, in inches.
#pragma once

#include "demo_dxf.h"

namespace demos {

// Parametric and technical drawings (technical.cpp).
void flower(DemoDxf& d);
void ornament(DemoDxf& d);
void cloverleaf(DemoDxf& d);
void curve1(DemoDxf& d);
void doublePart(DemoDxf& d);
// Figures from hand-placed points (figures.cpp).
void dragon(DemoDxf& d);
void deer(DemoDxf& d);
void horse(DemoDxf& d);
void woman(DemoDxf& d);
void youngwoman(DemoDxf& d);
// Lettering as glyph outlines (lettering.cpp); needs a GUI application.
void text(DemoDxf& d);

struct Drawing {
    const char* name; // the file name without ".dxf"
    void (*draw)(DemoDxf&);
};

inline constexpr Drawing kDrawings[] = {
    {"flower", flower},         {"dragon", dragon},         {"deer", deer},         {"ornament", ornament},
    {"cloverleaf", cloverleaf}, {"curve1", curve1},         {"double", doublePart}, {"text", text},
    {"woman", woman},           {"youngwoman", youngwoman}, {"horse", horse},
};

} // namespace demos
