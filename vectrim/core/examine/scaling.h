// Changing the size of the whole drawing about (0, 0): scaling by a factor
// per axis (arcs are divided into lines first when the factors differ), the
// scale window form399 ("Maßstab ändern"), and the inch-to-millimetre
// conversion and its reversal.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/session.h"
#include "view/view_frame.h"

#include <cstdint>
#include <limits>
#include <string>

namespace vectrim {

// Arc division quality of form399's frame "Kreis-Teilung".
enum class DivisionQuality { None, Fein, Mittel, Grob };

// Scales every line and arc about (0, 0); fx for x, fy for y. An arc's
// radius takes |fx| and its angles stay as they are, so arcs keep their shape
// only for fx = fy > 0.
void scaledrawing(Drawing& d, double fx, double fy);

// Replaces every arc by lines (one line for an arc flatter than 0.1,
// otherwise 6 to 30 lines per 0.5 of length times the quality factor). When
// the line table cannot take all of them it shows "Linienspeicher voll !",
// changes nothing and returns false.
bool dividearcs(Drawing& d, Host& host, DivisionQuality quality);

// Whether the line table can take the lines dividearcs would make.
bool divisionFits(const Drawing& d, DivisionQuality quality);

// Number of lines dividearcs makes of one arc.
int32_t divisionCount(const Arc& a, DivisionQuality quality);

// As scaledrawing, but divides the arcs first when |fx - fy| >= 0.001.
// False (nothing scaled) when the arcs could not be divided.
bool scaledrawingxy(Drawing& d, Host& host, double fx, double fy, DivisionQuality quality);

// The fields of form399: the current size (copied from the main window) and
// the new size as the user typed them ("," or "." as decimal point), and the
// chosen division quality. The drawing's exact extent, when known, stands
// for the current size the fields show rounded, so that a typed size is
// reached exactly and the size shown, typed again, changes nothing.
struct ScaleForm {
    std::string text4; // current width
    std::string text3; // current height
    std::string text1; // new width
    std::string text2; // new height
    DivisionQuality quality = DivisionQuality::None;
    double exactWidth = std::numeric_limits<double>::quiet_NaN(); // not known: NaN
    double exactHeight = std::numeric_limits<double>::quiet_NaN();
};

// Menu "Maßstab ändern" before the window opens: leaves selection mode;
// false with "Keine Elemente vorhanden !" on an empty drawing.
bool massstabOpen(const Drawing& d, Host& host, ViewFrame& frame);

// form399 load: the current size from the main window's size fields, and
// the drawing's exact extent.
ScaleForm form399Load(const ViewFrame& frame);
ScaleForm form399Load(const ViewFrame& frame, Drawing& d);

// Command3: fills in the other new value in proportion to the current size.
// A value that is not a number gets "Eingabewert kleiner oder gleich Null !".
void proportion(Host& host, ScaleForm& f);

// Command1 "Start": checks the new size and scales. True when the window
// closes (the drawing was scaled), false when it stays open. The frame, when
// given, hears of the change before the drawing is scaled.
bool applyScale(Drawing& d, Host& host, ScaleForm& f, ViewFrame* frame = nullptr);

// After the window closed: counts, marks removed, view fitted, size fields.
void massstabClosed(ViewFrame& frame);

// Menu "Maße umwandeln": inch to millimetres, refused when already done
// (inchConverted is the main window's InchConverted).
void wandel1(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame);

// Menu "Zurück": millimetres back to inch after a conversion.
void mzurueck(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame);

// The preset wizard's question for a drawing smaller than 20 in width and
// height (the size fields): leaves selection mode and converts from inch on
// any answer but "N".
// Returns true when the question was asked.
bool askInchConversion(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame);

// ">> Starten <<" on a drawing whose DXF declares inch and that has not been
// converted: before the first run, the wizard's inch question (title
// "Vectrim"), converting on any answer but "N". Asked once per drawing;
// true when it was asked now.
bool askInchBeforeRun(Drawing& d, MainState& state, Host& host, ViewFrame& frame);

} // namespace vectrim
