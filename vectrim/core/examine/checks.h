// The checks of the frame "Kontrolle": end points, direction changes, open
// contour ends, junctions and small elements. Each check fills the free-end
// table with the points to mark (the view draws them while MarkMode = 2) and
// reports its result in the labels Label3 and Label2. No check changes the
// drawing.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/view_state.h"
#include "view/view_frame.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vectrim {

enum class Check {
    EndPoints,     // Picture8 "Endpunkte"
    Directions,    // Picture13 "Richtungsänderungen größer als 0.1 Grad"
    OpenContours,  // Picture15 "Offene Kontur"
    Junctions,     // Picture16 "Schnittpunkte"
    SmallElements, // Picture18 "Elemente kleiner 0,1 mm."
    ClearMarks,    // Picture19 "Markierungen ausblenden"
};

// Asks "Kontrolle fortsetzen ? Elemente>5000" when the drawing has more than
// 5000 elements; false when the user declined.
bool confirmLongCheck(const Drawing& d, Host& host);

// Runs a check as its button does: the long-run question where it applies,
// "Bitte warten !", the check, the result labels and the redraw. Returns
// false when the question was declined (nothing changed).
bool runCheck(Drawing& d, ViewState& v, Host& host, Check check, ViewFrame& frame);

// The direction checks: line-line, line-arc and arc-arc joints of elements
// with equal contour numbers. Each appends one mark per corner sharper than
// 0.15 degrees with its corner angle in markAngle (180 = straight on).
void eck3(Drawing& d);
void eck2(Drawing& d);
void eck1(Drawing& d);

// The open-contour check: appends to the free-end table every element end
// that coincides with no end of another element, as findfreeends does (line
// starts, line ends, arc starts, arc ends, each in index order), finding the
// ends near each one in cells.
void findopenends(Drawing& d);

// Number of elements with an end within 0.0001 (per axis) of (x, y); an
// element with both ends there counts once.
int16_t countendsat(const Drawing& d, double x, double y);

// Marks every element end where more than two element ends meet, once per
// end visited (lines first, then arcs, start before end).
void findjunctions(Drawing& d);

// Marks the middle of every element shorter than 0.1, in contour order (end
// code 0: the mark stands for the whole element).
void findsmallelements(Drawing& d);

// The points the view marks while MarkMode = 1: both ends of every line, then
// the start and end of every arc.
std::vector<FreeEnd> endpointMarks(const Drawing& d);

// The text of Label2 while the mouse is at (x, y): the corner angle of the
// last mark within the pick tolerance, rounded to 1 decimal, with " Grad", or
// empty. Nothing (the label stays as it is) while the angle readout is off.
std::optional<std::string> angleReadoutText(const Drawing& d, const ViewState& v, double x, double y);

} // namespace vectrim
