// The smoothing stages between lines and arcs of one contour: kinks are
// smoothed and corners rounded with fillets, each change kept only when it
// stays within the smoothing tolerance.
#pragma once

#include "model/session.h"

namespace vectrim {

void roundlinecorners(Session& s); // fillets between two lines
void smootharcline(Session& s);    // small kinks between an arc and a line
void roundarcline(Session& s);     // fillets between an arc and a line
void smootharcarc(Session& s);     // kinks between two arcs
void roundarcarc(Session& s);      // fillets between two arcs

} // namespace vectrim
