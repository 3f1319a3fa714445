#include "view/canvas.h"

#include <cmath>

namespace vectrim {

Rgb paletteColour(int number) {
    static constexpr Rgb kPalette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                         {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                         {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                         {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return number >= 0 && number < 16 ? kPalette[number] : kPalette[0];
}

void Canvas::circle(double cx, double cy, double r, int colour) {
    constexpr int kSegments = 100;
    constexpr double kFullTurn = 6.283185307179586;
    double px = cx + r, py = cy;
    for (int k = 1; k <= kSegments; ++k) {
        const double t = kFullTurn * k / kSegments;
        const double x = cx + r * std::cos(t), y = cy - r * std::sin(t);
        line(px, py, x, y, colour);
        px = x;
        py = y;
    }
}

} // namespace vectrim
