// Everything one main program holds besides its windows: the drawing, the
// view window and marks, the values of a processing run, the main-window
// state and the host through which the core talks to the user.
#pragma once

#include "drawing.h"
#include "host.h"
#include "tolerances.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vectrim {

// The region of the drawing shown in the view, in drawing millimetres.
struct ViewWindow {
    double xmin = 0, ymin = 0, xmax = 639, ymax = 479;
};

struct ViewState {
    ViewWindow window;
    int16_t markMode = 0;     // 0 none, 1 all end points, 2 the free-end table
    int16_t angleReadout = 0; // 1: the mouse shows the corner angles of marks
    int16_t pickMode = 0;     // 14: element selection
    int16_t dragActive = 0;   // 1: a selection rectangle is being dragged
    double selX1 = 0, selY1 = 0, selX2 = 0, selY2 = 0;
    double selPrevX = -10000, selPrevY = -10000; // -10000: nothing drawn yet
};

// The values a processing run reads; getwerte sets the fixed ones each run.
struct RunSettings {
    double reducetol = 0;
    double gaptol = 0;
    double smoothtol = 0;
    double minlength = kMinLength;
    double minradius = kMinRadius;
    double maxradius = kMaxRadius;
    double cornerminangle = kCornerMinAngle; // degrees
    double cornermaxangle = kCornerMaxAngle; // degrees
};

// The main-window state that travels with the drawing.
struct MainState {
    std::string dxfPath; // as handed to load (may end in a NUL)
    int16_t drawingLoaded = 0;
    int16_t inchConverted = 0; // InchConverted
    int16_t wizardChoice = -1; // WizardChoice
    int16_t busyflag = 0;
    std::string lastFolder;
    int32_t top = 0, left = 0; // saved window position, twips
};

struct Session {
    explicit Session(Host& h) : host(&h) {}
    Drawing drawing;
    ViewState view;
    RunSettings settings;
    MainState state;
    Host* host;
};

} // namespace vectrim
