// The view of the main window on a drawing of 99,999 elements (80,000 lines
// of polygonised shapes, 19,999 arcs): making the image of the drawing area
// with the whole drawing in view, and zoomed in so that about 1 % of the
// elements are visible, and a repaint of the drawing area by the window
// system (a copy of the image). Prints the median of 5 runs of each.
//
//   cmake -G Ninja -S . -B build-rel -DCMAKE_BUILD_TYPE=Release -DVECTRIM_BENCH=ON
//   cmake --build build-rel -j2 --target view_bench
//   build-rel/bin/view_bench          (headless unless QT_QPA_PLATFORM says otherwise)
#include "drawing_area.h"
#include "kgeom_api.h"
#include "model/session.h"
#include "polygonised.h"
#include "quiet_host.h"
#include "view/extents.h"
#include "view/view.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vectrim;

constexpr int kLines = 80000;
constexpr int kArcs = 19999;
constexpr int kRuns = 5;
// The drawing area of the main window in pixels (inside its frame).
constexpr int kAreaWidth = 720, kAreaHeight = 540;

using bench::QuietHost;

class NoPanel : public ViewPanel {
public:
    void setAngleText(const std::string&) override {}
    void setPointer(int) override {}
};

// Median of kRuns runs of `work`, in milliseconds.
double medianMs(const std::function<void()>& work) {
    std::vector<double> ms;
    for (int k = 0; k < kRuns; ++k) {
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[kRuns / 2];
}

// Elements whose bounding box (arcs: bounding square) touches the window.
int inView(const Drawing& d, const ViewWindow& w) {
    int n = 0;
    for (const Line& l : d.usedLines())
        n += std::max(l.x1, l.x2) >= w.xmin && std::min(l.x1, l.x2) <= w.xmax &&
             std::max(l.y1, l.y2) >= w.ymin && std::min(l.y1, l.y2) <= w.ymax;
    for (const Arc& a : d.usedArcs())
        n += a.cx + a.r >= w.xmin && a.cx - a.r <= w.xmax && a.cy + a.r >= w.ymin && a.cy - a.r <= w.ymax;
    return n;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string why;
    if (!kg::load(&why)) {
        std::fprintf(stderr, "view_bench: %s\n", why.c_str());
        return 1;
    }
    QuietHost host(true); // its messages shown
    auto session = std::make_unique<Session>(host);
    Drawing& d = session->drawing;
    PolygonisedDrawing polygonised(d);
    polygonised.fill(kLines);
    polygonised.addArcs(kArcs, kLines);

    DrawingArea area;
    area.setFixedSize(kAreaWidth + 2, kAreaHeight + 2);
    area.show();
    QApplication::processEvents();
    NoPanel panel;
    View view(d, session->view, host, area.canvas(), panel);

    Box all{0, 0, 0, 0};
    getextents(d, all, 0);
    const ViewWindow whole{all.xmin, all.ymin, all.xmax, all.ymax};
    // A window of the surface's 4:3 shape about the drawing's centre, grown
    // until 1 % of the elements are in view.
    Box drawn{0, 0, 0, 0};
    getextents(d, drawn, 1);
    const double cx = (drawn.xmin + drawn.xmax) / 2, cy = (drawn.ymin + drawn.ymax) / 2;
    ViewWindow zoomed{cx, cy, cx, cy};
    for (double hh = (drawn.ymax - drawn.ymin) / 1000; inView(d, zoomed) < d.elementCount() / 100; hh *= 1.02)
        zoomed = {cx - hh * 4 / 3, cy - hh, cx + hh * 4 / 3, cy + hh};

    std::printf("view of %d lines and %d arcs on a %d x %d pixel drawing area, median of %d runs\n",
                d.linecount, d.arccount, area.contentsRect().width(), area.contentsRect().height(), kRuns);
    for (const auto& [name, window] :
         {std::pair{"image, whole drawing", whole}, {"image, zoomed in", zoomed}}) {
        session->view.window = window;
        const double ms = medianMs([&] {
            view.paint();
            area.image(); // the drawing pass finished
        });
        std::printf("  %-22s %9.3f ms  (%d elements in view)\n", name, ms, inView(d, window));
    }
    const double repaint = medianMs([&] { area.repaint(); });
    std::printf("  %-22s %9.3f ms\n", "repaint (copy)", repaint);
    return 0;
}
