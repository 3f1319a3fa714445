// The export roundl. Its name is also the C library's long-double rounding,
// so this file must not see <cmath>; the work is done in rounding.cpp.
#include "kgeom_internal.h"

#define KGEOM_DECLARE_ROUNDL
#include "kgeom.h"

extern "C" void roundl(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* x4,
                       double* y4, double* r, double* xc, double* yc, double* a1, double* a2, int16_t* err,
                       double* theta, int16_t* anglesonly) {
    kgeom::filletLines(x1, y1, x2, y2, x3, y3, x4, y4, r, xc, yc, a1, a2, err, theta, anglesonly);
}
