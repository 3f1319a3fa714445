// The view of the drawing in the main window's drawing area: the mapping of
// the view window onto the 640 x 480 unit surface, the redraw, zoom and pan,
// the check marks, the angle readout and the selection rectangle.
// Qt-free: it draws through a Canvas and reports to a ViewPanel.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/view_state.h"
#include "view/canvas.h"
#include "view/extents.h"
#include "view/view_frame.h"

#include <string>
#include <vector>

namespace vectrim {

// The drawing surface: 640 units wide, 480 high, origin top left, y down.
inline constexpr double kSurfaceWidth = 640;
inline constexpr double kSurfaceHeight = 480;

// The view window after start-up and after the range guard fired.
inline constexpr ViewWindow kStartWindow{0, 0, 639, 479};

// Range guard of the redraw: the view window must be at least this wide and
// at most this wide (millimetres), unless it is the all-zero window of an
// empty drawing (all bounds within kZeroWindow of 0).
inline constexpr double kMinViewWidth = 0.1;
inline constexpr double kMaxViewWidth = 200000;
inline constexpr double kZeroWindow = 0.001;

// Zoom limits: zooming in stops at a window half-width of kMinHalfWidth,
// the zoom-out button at a half-width of kMaxZoomOutHalf; a left click zooms
// only windows at least kMinClickWidth wide.
inline constexpr double kMinHalfWidth = 0.15;
inline constexpr double kMaxZoomOutHalf = 60000;
inline constexpr double kMinClickWidth = 1.0;
// Seconds the view waits after a zoom click, so that a double click does not
// zoom twice.
inline constexpr double kClickPause = 0.1;

// Elements chosen for deletion are drawn over in this colour.
inline constexpr int kHighlightColour = kLightMagenta;

// Marks are boxes this many surface units from the point each way.
inline constexpr double kMarkHalfSize = 3;
// MarkMode of the places chosen in the report of a run (ViewState::placeMarks).
inline constexpr int16_t kMarkPlaces = 3;

// Mouse pointer shapes.
inline constexpr int kArrowPointer = 1;
inline constexpr int kCrossPointer = 2;

struct SurfacePoint {
    double x = 0, y = 0;
};

// Model point to surface point (geometry library ersatz2): nothing is
// written for a window of zero span, so the point is then (0, 0).
SurfacePoint toSurface(const ViewWindow& w, double x, double y);
// Surface point to model point (ersatz1).
Point toModel(const ViewWindow& w, double sx, double sy);

// What the view shows beside the surface.
class ViewPanel {
public:
    virtual ~ViewPanel() = default;
    // Label2: the corner angle under the mouse (empty when none).
    virtual void setAngleText(const std::string& text) = 0;
    virtual void setPointer(int shape) = 0; // kArrowPointer or kCrossPointer
};

// A size field's text rounded to 2 decimals (trunder), as number text.
std::string trunderText(const std::string& text);

enum class MouseButton { Left, Right, Other };

class View {
public:
    View(Drawing& d, ViewState& v, Host& host, Canvas& c, ViewPanel& p)
        : d_(d), v_(v), host_(host), canvas_(c), panel_(p) {}

    // Redraws the whole view. False when the range guard fired (message
    // shown, window reset to 0 .. 639 x 0 .. 479, nothing drawn).
    bool paint();

    // One model segment, clipped to the surface.
    void drawline(double x1, double y1, double x2, double y2, int colour);
    // One arc on the surface as a polyline: centre and radius in surface
    // units, angles in radians counter-clockwise (a1 > a2 passes 0).
    void kreis(double sx, double sy, double sr, double a1, double a2, int colour);
    // The selection rectangle in exclusive-or mode (twice removes it).
    void rechteck();

    // ---- commands ----
    void showAll();  // Picture9 "Show all": fit the drawing, redraw
    void paintNew(); // Picture1 "Paint new"
    void zoomIn();   // Picture17: 2x about the centre
    void zoomOut();  // Picture11: 2x out about the centre
    // A click on the surface at (sx, sy): left zooms in 2x centred on the
    // point, right zooms out 2.2x centred on it.
    void mouseDown(MouseButton b, double sx, double sy);
    // The mouse wheel turned by `notches` over (sx, sy): each notch away
    // from the user zooms in as the zoom-in button does, each towards the
    // user out as the zoom-out button does, about the drawing point under
    // the pointer, which stays under it. The buttons' limits hold.
    void wheelZoom(double sx, double sy, int notches);
    // Dragging with the middle button moved the pointer by (dsx, dsy)
    // surface units: the drawing follows the pointer.
    void pan(double dsx, double dsy);
    // The mouse moved to (sx, sy): pointer, rubber band, angle readout.
    void mouseMove(double sx, double sy);
    // Leaves the element selection mode.
    void breaks();

    // Elements that paint draws over in kHighlightColour after the drawing;
    // null or empty: none.
    void setHighlight(const std::vector<ElementRef>* refs) { highlight_ = refs; }

    // The pause after a zoom click (seconds); tests set 0.
    double clickPause = kClickPause;

private:
    // The view window widened by one surface unit on each side. Whatever lies
    // wholly outside it maps wholly more than a unit beyond one edge of the
    // surface, where clipping would draw nothing of it; so a redraw drops it
    // after this box test, without mapping or clipping it.
    struct SurfaceReach {
        bool active = false;
        double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
        static SurfaceReach of(const ViewWindow& w);
        // Whether the box (model units) lies wholly outside.
        bool misses(double x1, double y1, double x2, double y2) const {
            return active && (x2 < xmin || x1 > xmax || y2 < ymin || y1 > ymax);
        }
    };

    void drawElement(ElementRef ref, int colour, int arcColour);
    void surfaceSegment(double x1, double y1, double x2, double y2, int colour);
    void drawMarks();
    void markAt(double x, double y, int colour = kLightBlue);
    void pause();

    Drawing& d_;
    ViewState& v_;
    Host& host_;
    Canvas& canvas_;
    ViewPanel& panel_;
    const std::vector<ElementRef>* highlight_ = nullptr;
    SurfaceReach reach_; // of the redraw under way
};

} // namespace vectrim
