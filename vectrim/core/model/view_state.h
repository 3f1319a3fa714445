// What the view shows besides the drawing: the view window, the marks of the
// checks, the element selection mode and the selection rectangle.
#pragma once

#include <cstdint>
#include <vector>

namespace vectrim {

// The region of the drawing shown in the view, in drawing millimetres.
struct ViewWindow {
    double xmin = 0, ymin = 0, xmax = 639, ymax = 479;
};

// A mark of the report of a run: a place and the palette colour of its kind.
struct PlaceMark {
    double x = 0, y = 0;
    int colour = 9;
};

struct ViewState {
    ViewWindow window;
    int16_t markMode = 0;     // 0 none, 1 all end points, 2 the free-end table, 3 the places below
    int16_t angleReadout = 0; // 1: the mouse shows the corner angles of marks
    int16_t pickMode = 0;     // 14: element selection
    int16_t dragActive = 0;   // 1: a selection rectangle is being dragged
    double selX1 = 0, selY1 = 0, selX2 = 0, selY2 = 0;
    double selPrevX = -10000, selPrevY = -10000; // -10000: nothing drawn yet
    std::vector<PlaceMark> placeMarks;           // markMode 3: places chosen in the report
};

} // namespace vectrim
