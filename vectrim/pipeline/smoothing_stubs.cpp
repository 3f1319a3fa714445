// Placeholders until the smoothing stages are in place: they leave the
// drawing as it is.
#include "pipeline/smoothing.h"

namespace vectrim {

void roundlinecorners(Session&) {}
void smootharcline(Session&) {}
void roundarcline(Session&) {}
void smootharcarc(Session&) {}
void roundarcarc(Session&) {}

} // namespace vectrim
