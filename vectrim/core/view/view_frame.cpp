#include "view/view_frame.h"

#include "inspect/checks.h"
#include "kgeom_api.h"
#include "model/numtext.h"
#include "view/extents.h"

namespace vectrim {

DrawingSize measureDrawing(Drawing& d) {
    Box b{0, 0, 0, 0};
    getextents(d, b, 1);
    double w = b.xmax - b.xmin, h = b.ymax - b.ymin;
    int16_t decimals = 5;
    kg::api().rounder(&w, &decimals);
    kg::api().rounder(&h, &decimals);
    return {w, h};
}

void BatchViewFrame::getmima() {
    const DrawingSize size = measureDrawing(s_.drawing);
    widthText = numberText(size.width);
    heightText = numberText(size.height);
}

void BatchViewFrame::clearMarks() { runCheck(s_, Check::ClearMarks, *this); }

void BatchViewFrame::showAll() {
    Box fit{0, 0, 0, 0};
    getextents(s_.drawing, fit, 0);
    s_.view.window = {fit.xmin, fit.ymin, fit.xmax, fit.ymax};
    paint();
}

void BatchViewFrame::breaks() {
    s_.view.pickMode = 0;
    s_.view.dragActive = 0;
}

} // namespace vectrim
