// Deleting elements from the view: the selection rectangle and its inside
// tests, picking an element or its whole contour, and removing the chosen
// elements after a question.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/view_state.h"
#include "view/view_frame.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vectrim {

inline constexpr int16_t kPickElements = 14; // PickMode of "Element(e) löschen": rectangle selection
inline constexpr int16_t kPickContour = 15;  // PickMode of "Kontur löschen": a click picks a contour

// s = 1 when line t (arc t) lies wholly inside the selection rectangle
// (SelX1, SelY1)-(SelX2, SelY2), edges included; else 0.
void linebox(const Drawing& d, const ViewState& v, int32_t t, int32_t& s);
void kreisbox(const Drawing& d, const ViewState& v, int32_t t, int32_t& s);

// Every element wholly inside the selection rectangle, lines first, each in
// index order.
std::vector<ElementRef> elementsInside(const Drawing& d, const ViewState& v);

// The element nearest to (x, y) within tol, lines before arcs on a tie.
std::optional<ElementRef> elementAt(const Drawing& d, double x, double y, double tol);

// The elements of the contour that holds `ref`, lines first, each in index
// order. The contours are built on a copy (kept while the drawing stays the
// same, contour_cache.h): the drawing keeps its line directions, contour
// numbers, contour order table and marks.
std::vector<ElementRef> contourOf(const Drawing& d, Host& host, ElementRef ref);

// The element-selection mode of the view. The window forwards its menu
// entries, the left mouse button, mouse movements (model coordinates) and
// the Delete and Escape keys; the editor keeps the selection, which the
// window draws highlighted after paint.
class ElementEditor {
public:
    ElementEditor(Drawing& d, ViewState& v, Host& host, ViewFrame& frame)
        : d_(d), v_(v), host_(host), frame_(frame) {}

    // "Element(e) löschen": enters rectangle selection; chosen again while
    // elements are selected, it deletes them (after the question).
    void eloesch();
    // "Kontur löschen": enters contour picking.
    void konl();

    // The left button went down over the view at (x, y). True when the
    // press belongs to the selection mode (the view must not zoom).
    bool mouseDown(double x, double y);
    // The mouse moved to (x, y): follows with the rubber band while dragging.
    void mouseMove(double x, double y);
    // The left button came up at (x, y): ends the rubber band and selects
    // every element wholly inside it.
    void mouseUp(double x, double y);
    // The Delete key: asks and deletes the selection. True when handled.
    bool deleteKey();
    // The Escape key: leaves the mode. True when a mode was active.
    bool escapeKey();

    // Leaves the mode: removes a rubber band still drawn, forgets the
    // selection, PickMode = 0, DragActive = 0.
    void breaks();

    const std::vector<ElementRef>& selection() const { return selection_; }

private:
    Drawing& d_;
    ViewState& v_;
    Host& host_;
    ViewFrame& frame_;
    std::vector<ElementRef> selection_;

    bool bandDrawn() const;
    void eraseBand();
    void forgetSelection();
    bool noElements();
    void pickContour(double x, double y);
    // Asks, removes the selection and refreshes the window; false on "N".
    // `what` names the command for taking it back.
    bool deleteSelection(const char* question, const char* what);
};

} // namespace vectrim
