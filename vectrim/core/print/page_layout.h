// The drawing on an A4 page: measuring it (also turned by 90°), the scale
// that fits it on the page, the placement of the drawing in page
// millimetres, which arc becomes a segment, an arc or a circle, the colours
// of preview, colour and black-and-white print, and the header line.
//
// Everything here draws through a PageCanvas; the print window, the printer,
// the PDF file and the tests supply one. Turning for the landscape print
// works on copies: the drawing itself is never changed.
#pragma once

#include "model/drawing.h"
#include "model/messages.h"
#include "print/page_canvas.h"
#include "view/extents.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vectrim {

// ---- the page, in millimetres ----
inline constexpr double kPlaceWidth = 188;     // the drawing is placed and centred in this width
inline constexpr double kPlaceHeight = 265;    // ... and this height
inline constexpr double kMarginLeft = 10;      // printed pages: left margin of the placing area
inline constexpr double kMarginTop = 12;       // printed pages: top margin of the placing area
inline constexpr double kFitWidthTurned = 210; // a turned drawing is fitted into the whole sheet
inline constexpr double kFitHeightTurned = 297;
inline constexpr double kFitReserve = 0.8; // a fitted drawing fills this share of the fit area
inline constexpr double kSheetWidth = 210; // the A4 sheet
inline constexpr double kSheetHeight = 297;

// ---- arcs on the page ----
inline constexpr double kShortArc = 0.5;     // mm of page length: shorter arcs become their chord
inline constexpr double kClosedArc = 0.0001; // mm: an arc whose ends are this close is a full circle
inline constexpr double kPrintDegToRad = 0.01745329252; // the printout's degree factor

// ---- the header ----
inline constexpr double kHeaderFontHeight = 3.5; // mm (10 pt)
inline constexpr double kHeaderTop = 1.5;        // mm: top of the first header line
inline constexpr double kHeaderLineStep = 4.8;   // mm from one header line to the next

// The fit factor of a drawing that is a single point: any factor fits it.
inline constexpr double kPointScale = 1;

// Output of painter.
enum class PrintMode : int16_t {
    Preview = 0,   // the preview Picture1: no margins, no header
    Colour = 1,    // printed: arcs red
    BlackWhite = 2 // printed: everything black
};

// Extents of the drawing and the fit factor s.
struct PageExtents {
    Box box;
    double s = 0;
};

// getminmax2: extents of all lines (end points) and arcs (arcbox);
// s = min(188 / W, 265 / H) * 0.8. Nothing when there is no element.
std::optional<PageExtents> getminmax2(const Drawing& d);

// getminmax3: extents of the drawing turned by 90° about the centre of its
// unturned extents; s = min(210 / W, 297 / H) * 0.8.
std::optional<PageExtents> getminmax3(const Drawing& d);

// Command2 "Auf eine Seite anpassen": the fit factor rounded to 4 decimals
// as number text (" 1.504"); empty without elements.
std::string fitScaleText(const Drawing& d, bool rotate);

// The list of Combo2 and the text each entry writes into Text1.
struct PresetScale {
    const char* entry;
    const char* text;
};
inline constexpr PresetScale kPresetScales[5] = {
    {msg::kScaleFull, " 1"}, {msg::kScaleHalf, "0.5"}, {"1:5", "0.2"}, {"1:10", "0.1"}, {"1:20", "0.05"}};
// Combo2 shows this when no entry is chosen.
inline constexpr const char* kScaleComboText = msg::kScaleCombo;

// What the page shows besides the drawing: the scale factor as Text1 holds
// it (also the factor used), the rotation and the main window's size fields.
struct PageSetup {
    std::string scaleText;  // Text1
    bool rotate = false;    // Check1 "Bild um 90 Grad drehen"
    std::string heightText; // the main window's Text3
    std::string widthText;  // the main window's Text2
};

// Where the drawing lies on the page: the extents used (of the turned
// drawing with rotate), the centre of the unturned extents, the scale and
// the offsets that centre the drawing in 188 x 265.
struct Placement {
    Box box;
    Point centre;
    double s = 0, ox = 0, oy = 0;
    bool rotate = false;
};
std::optional<Placement> placement(const Drawing& d, double s, bool rotate);

// A model point on the page (placing area, no margins):
// X = (x - xmin) s + ox, Y = 265 - (y - ymin) s - oy.
Point toPage(const Placement& p, double x, double y);

// Copies of an element turned by 90° about c (geometry library drehlinie,
// drehkreis; the arc's angles in radians).
Line turnedLine(const Line& l, Point c);
struct RadianArc {
    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
};
RadianArc turnedArc(const RadianArc& a, Point c);

// An arc as the page shows it: centre and radius on the page, angles in
// 0 .. 2π, its end points, its sweep and its length on the page.
struct PageArc {
    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
    Point start, end;
    double sweep = 0, length = 0;
    bool full = false; // ends that meet on an arc of more than half a turn: sweep 2π
};
PageArc pageArc(const Placement& p, const Arc& a);

// How an arc is drawn: as the segment between its ends, by the arc
// operation, or as a full circle.
enum class ArcShape { Segment, Arc, Circle };
ArcShape arcShape(const PageArc& a);

// The colour of an element in a mode (palette numbers).
int lineColour(PrintMode mode);
int arcColour(PrintMode mode);

// The header's two lines: "Vectrim" and "Maßstabsfaktor: <Text1>  /  H x B
// [mm]:<height> x<width>".
std::string headerLine(const PageSetup& setup);
// maketext: prints the header at the top of the page.
void maketext(PageCanvas& canvas, const PageSetup& setup);

// kreiso: one arc of the preview as a polyline with the step rule of the
// view (step sweep * 0.03, or sweep * 0.01 above 1.5 radians), ending at the
// exact end point. Page coordinates, angles in radians.
void kreiso(Canvas& canvas, double x, double y, double r, double a1, double a2, int colour);

// painter: draws the drawing in the given mode. The preview is cleared
// first; printed pages get the header and the margins. Elements are drawn
// in the order of the contour order table. False when the scale factor is
// not a number above zero or a page coordinate is not finite (the output
// must be abandoned); the canvas is flushed either way.
bool painter(const Drawing& d, const PageSetup& setup, PrintMode mode, PageCanvas& canvas);

} // namespace vectrim
