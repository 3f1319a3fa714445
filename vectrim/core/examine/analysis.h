// The analysis window form400 ("Analyse"): the shortest line, the shortest
// arc, the largest and smallest radius, whether open contours exist and
// whether an element is shorter than the minimum length.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"
#include "pipeline/run_frame.h"
#include "view/rgb.h"

#include <cstdint>
#include <string>

namespace vectrim {

inline constexpr Rgb kResultGood{0, 128, 0}; // green
inline constexpr Rgb kResultBad{192, 0, 0};  // dark red

struct ResultLabel {
    std::string text;
    Rgb colour;
    bool visible = true;
};

// What form400 shows: the four value fields (number text rounded to 3
// decimals, " -" when there is nothing to measure) and the two result labels.
struct Analysis {
    std::string text3;   // smallest radius, "Kleinster Radius:"
    std::string text4;   // largest radius, "Größter Radius:"
    std::string text5;   // shortest arc, "Kleinster Bogenumfang:"
    std::string text6;   // shortest line, "Kleinste Linie:"
    ResultLabel label9;  // open contours
    ResultLabel label10; // minimum length
};

// Measures the drawing against the minimum length. Looks for open contours
// with the free-end table and leaves it empty.
Analysis analyse(Drawing& d, double minlength);

// Whether the drawing has an open contour: an element end that meets no end
// of another element (an arc whose ends meet is a closed circle), as the
// open-contour check finds them; it stops at the first. Leaves the free-end
// table empty.
bool anyOpenEnd(Drawing& d);

// The menu entry "Analyse": asks first above 5000 elements; false when the
// user declined (the window does not open).
bool pruefen(const Drawing& d, Host& host);

// Filling form400 when it opens: reads the settings (getwerte), shows
// "Please wait..." in the info line, measures, and shows "Info     ".
Analysis form400Load(Drawing& d, RunSettings& t, Host& host, RunFrame& frame);

} // namespace vectrim
