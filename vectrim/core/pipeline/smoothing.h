// The smoothing stages between lines and arcs of one contour: kinks are
// smoothed and corners rounded with fillets, each change kept only when it
// stays within the smoothing tolerance.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"

namespace vectrim {

void roundlinecorners(Drawing& d, const RunSettings& t, Host& host); // fillets between two lines
void smootharcline(Drawing& d, const RunSettings& t, Host& host);    // small kinks between an arc and a line
void roundarcline(Drawing& d, const RunSettings& t, Host& host);     // fillets between an arc and a line
void smootharcarc(Drawing& d, const RunSettings& t, Host& host);     // kinks between two arcs
void roundarcarc(Drawing& d, const RunSettings& t, Host& host);      // fillets between two arcs

} // namespace vectrim
