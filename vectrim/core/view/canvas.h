// The one drawing interface of the program: the view draws the drawing
// through it, and so do the print preview and the tests (which record what
// is drawn). Coordinates are doubles in the caller's units (surface units of
// the view, millimetres of a page); colours are numbers of the classic
// 16-colour palette.
#pragma once

#include "view/rgb.h"

#include <cstdint>

namespace vectrim {

// Palette numbers used by the view and the printout.
inline constexpr int kBlack = 0;
inline constexpr int kRed = 4;
inline constexpr int kLightBlue = 9;
inline constexpr int kLightRed = 12;
inline constexpr int kLightMagenta = 13;
inline constexpr int kWhite = 15;

// The colour of a palette number 0 .. 15 (black, blue, green, cyan, red,
// magenta, brown, light grey, dark grey, light blue, light green, light
// cyan, light red, light magenta, yellow, white); other numbers give black.
Rgb paletteColour(int number);

enum class DrawMode {
    Copy, // the pen replaces what is there
    Xor   // the pen is combined by exclusive-or: drawing twice restores the surface
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Fills the whole surface with its background (white).
    virtual void clear() = 0;
    virtual void setMode(DrawMode mode) = 0;
    // A solid segment one pixel wide.
    virtual void line(double x1, double y1, double x2, double y2, int colour) = 0;
    // An unfilled rectangle with corners (x1, y1) and (x2, y2).
    virtual void box(double x1, double y1, double x2, double y2, int colour) = 0;
    // A full circle; by default a polyline of 100 segments.
    virtual void circle(double cx, double cy, double r, int colour);
    // The drawing pass is complete: show it. Drawing may start again afterwards.
    virtual void flush() {}
};

} // namespace vectrim
