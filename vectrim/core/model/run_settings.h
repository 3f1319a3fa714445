// The values a processing run reads: the three tolerances from the main
// window's fields and the fixed limits that getwerte sets at every run.
#pragma once

#include "tolerances.h"

namespace vectrim {

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

} // namespace vectrim
