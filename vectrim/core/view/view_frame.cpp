#include "view/view_frame.h"

#include "examine/checks.h"
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
    const DrawingSize size = measureDrawing(d_);
    widthText = numberText(size.width);
    heightText = numberText(size.height);
}

void BatchViewFrame::clearMarks() { runCheck(d_, v_, host_, Check::ClearMarks, *this); }

void BatchViewFrame::showAll() {
    Box fit{0, 0, 0, 0};
    getextents(d_, fit, 0);
    v_.window = {fit.xmin, fit.ymin, fit.xmax, fit.ymax};
    paint();
}

void BatchViewFrame::breaks() {
    v_.pickMode = 0;
    v_.dragActive = 0;
}

} // namespace vectrim
