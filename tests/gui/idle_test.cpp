// The main window while nothing happens: no widget of it is painted, and a
// repaint of the drawing area copies its image without drawing the drawing
// again.
#include "drawing_area.h"
#include "window_fixture.h"

#include <QEvent>
#include <QImage>

namespace vectrim {
namespace {

using test::WindowTest;

// Counts the paint events, and the requests that lead to them, of one
// window's widgets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int paints = 0, drawingAreaPaints = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint && e->type() != QEvent::UpdateRequest) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (w && (w == &window_ || window_.isAncestorOf(w))) {
            ++paints;
            if (qobject_cast<DrawingArea*>(w) && e->type() == QEvent::Paint) ++drawingAreaPaints;
        }
        return false;
    }

private:
    QWidget& window_;
};

class IdleWindow : public WindowTest {
protected:
    // Lets events run for the given time.
    static void idle(int milliseconds) {
        test::waitFor([] { return false; }, milliseconds);
    }
};

TEST_F(IdleWindow, NothingIsPaintedWhileNothingHappens) {
    make();
    s().drawing.appendLine(10, 10, 300, 200);
    s().drawing.appendArc(300, 240, 100, 350, 10);
    form->view().showAll();
    PaintCounter counter(*form);
    idle(300); // the redraw is shown
    EXPECT_GE(counter.drawingAreaPaints, 1);
    counter.paints = 0;
    idle(500);
    EXPECT_EQ(counter.paints, 0);
}

TEST_F(IdleWindow, ARepaintOf99999ElementsCopiesTheImageAndDrawsNothing) {
    make();
    for (int i = 0; s().drawing.elementCount() < kMaxElements; ++i) {
        const double x = (i % 400) * 2.0, y = (i / 400) * 2.0;
        s().drawing.appendLine(x, y, x + 1.5, y + 1.0);
    }
    form->view().showAll();
    idle(100);
    const QImage before = c().Bild1->image().copy();
    // A view window the redraw refuses: a redraw would say so and reset it.
    const ViewWindow refused{0, 0, 250000, 187500};
    s().view.window = refused;
    host.messages.clear();
    PaintCounter counter(*form);
    c().Bild1->repaint();
    c().Bild1->update();
    idle(200);
    EXPECT_GE(counter.drawingAreaPaints, 2);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(s().view.window.xmax, refused.xmax);
    EXPECT_EQ(c().Bild1->image(), before);
}

} // namespace
} // namespace vectrim
