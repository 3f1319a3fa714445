// Taking changes back in the main window: "Zurück" after each command that
// changes the drawing gives the tables back exactly, "Alles zurück" returns
// to the drawing as loaded, and the buttons follow the history.
#include "examine/selection.h"
#include "model/exchange_file.h"
#include "model/numtext.h"
#include "scale_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace vectrim {
namespace {

using namespace std::string_literals;
using test::WhenShown;
using test::WindowTest;

// The tables of a drawing as far as they are used.
struct Tables {
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<ElementRef> order;
    int16_t inch = 0;

    explicit Tables(const Session& s)
        : lines(s.drawing.usedLines().begin(), s.drawing.usedLines().end()),
          arcs(s.drawing.usedArcs().begin(), s.drawing.usedArcs().end()),
          order(s.drawing.usedOrder().begin(), s.drawing.usedOrder().end()),
          inch(s.state.inchConverted) {}
};

// Every slot alike, bit for bit: coordinates, contour numbers, references.
void expectSame(const Tables& a, const Tables& b) {
    ASSERT_EQ(a.lines.size(), b.lines.size());
    ASSERT_EQ(a.arcs.size(), b.arcs.size());
    ASSERT_EQ(a.order.size(), b.order.size());
    for (size_t i = 0; i < a.lines.size(); ++i) {
        const Line &p = a.lines[i], &q = b.lines[i];
        EXPECT_TRUE(p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2 && p.contour == q.contour)
            << "line " << i;
    }
    for (size_t i = 0; i < a.arcs.size(); ++i) {
        const Arc &p = a.arcs[i], &q = b.arcs[i];
        EXPECT_TRUE(p.cx == q.cx && p.cy == q.cy && p.r == q.r && p.a1 == q.a1 && p.a2 == q.a2 &&
                    p.contour == q.contour)
            << "arc " << i;
    }
    for (size_t i = 0; i < a.order.size(); ++i) EXPECT_EQ(a.order[i], b.order[i]) << "order " << i;
    EXPECT_EQ(a.inch, b.inch);
}

bool differ(const Tables& a, const Tables& b) {
    if (a.lines.size() != b.lines.size() || a.arcs.size() != b.arcs.size() || a.inch != b.inch) return true;
    for (size_t i = 0; i < a.lines.size(); ++i)
        if (a.lines[i].x2 != b.lines[i].x2 || a.lines[i].contour != b.lines[i].contour) return true;
    for (size_t i = 0; i < a.arcs.size(); ++i)
        if (a.arcs[i].r != b.arcs[i].r || a.arcs[i].contour != b.arcs[i].contour) return true;
    return false;
}

class Undo : public WindowTest {
protected:
    // A loaded plate: a frame with a 0.15 gap, a duplicate line, a 0.05
    // element, a circle and a quarter arc.
    void SetUp() override {
        WindowTest::SetUp();
        Drawing d;
        d.appendLine(0, 0, 50, 0);
        d.appendLine(50, 0, 50, 30);
        d.appendLine(50, 30, 0, 30);
        d.appendLine(0, 30, 0, 0.15);
        d.appendLine(50, 30, 0, 30);
        d.appendLine(20, 20, 20.05, 20);
        d.appendArc(15, 15, 5, 0, 360);
        d.appendArc(35, 10, 4, 0, 90);
        ASSERT_TRUE(writeExchangeFile(dir.file("tempd.dat"), d));
        dir.write("par.dat", "/teile/platte.dxf\0\r\n 30\r\n/teile/platte.dxf\0\r\n"s);
        make({"1"});
        form->view().clickPause = 0;
    }
    QPushButton* zurueck() { return c().Command6; }
    QPushButton* allesZurueck() { return c().Command7; }

    void scaleTo(const char* w, const char* h) {
        WhenShown<Form399> script([&](Form399& win) {
            win.Text1->setText(QString::fromLatin1(w));
            win.Text2->setText(QString::fromLatin1(h));
            win.Command1->click();
        });
        c().massstab->trigger();
    }
    void deleteContourAt(double x, double y) {
        c().konl->trigger();
        form->editor().mouseDown(x, y);
    }
};

TEST_F(Undo, ButtonsAreDisabledAfterALoad) {
    EXPECT_EQ(s().drawing.linecount, 6);
    EXPECT_FALSE(zurueck()->isEnabled());
    EXPECT_FALSE(allesZurueck()->isEnabled());
    EXPECT_FALSE(s().state.unsaved());
    c().Command4->click();
    EXPECT_TRUE(zurueck()->isEnabled());
    EXPECT_TRUE(allesZurueck()->isEnabled());
    EXPECT_TRUE(s().state.unsaved());
    zurueck()->click();
    EXPECT_FALSE(zurueck()->isEnabled());
    EXPECT_FALSE(allesZurueck()->isEnabled());
    EXPECT_FALSE(s().state.unsaved()); // back at the state loaded
}

TEST_F(Undo, EachCommandIsTakenBackExactly) {
    struct Case {
        const char* name;
        std::function<void()> command;
        const char* status;
    };
    const Case cases[] = {
        {"run", [&] { c().Command4->click(); }, "Zurückgenommen: Bearbeitung"},
        {"delete", [&] { deleteContourAt(20, 15); }, "Zurückgenommen: Kontur löschen"},
        {"scale", [&] { scaleTo("100", "60"); }, "Zurückgenommen: Maßstab ändern"},
        {"inch", [&] { c().wandel1->trigger(); }, "Zurückgenommen: Maße umwandeln"},
        {"inch back", [&] { c().mzurueck->trigger(); }, "Zurückgenommen: Zurück (Inch -> Millimeter)"},
    };
    // The inch reversal needs a converted drawing: the cases build on each
    // other, and each is compared with the state right before it.
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const Tables before(s());
        k.command();
        ASSERT_TRUE(differ(before, Tables(s())));
        ASSERT_TRUE(zurueck()->isEnabled());
        // Ctrl+Z would do the same; the button is clicked here.
        zurueck()->click();
        expectSame(before, Tables(s()));
        EXPECT_EQ(c().Label20->text().toStdString(), k.status);
        EXPECT_EQ(c().wert1->text().toStdString(), numberText(s().drawing.linecount));
        EXPECT_EQ(c().wert2->text().toStdString(), numberText(s().drawing.arccount));
        if (std::string(k.name) == "inch") c().wandel1->trigger(); // for the reversal
    }
}

TEST_F(Undo, TheViewKeepsItsWindowAndTheSizeFieldsFollow) {
    const std::string width = c().Text2->text().toStdString();
    scaleTo("100", "60");
    EXPECT_EQ(c().Text2->text(), " 100");
    form->Picture17_Click(); // zoom in
    const ViewWindow zoomed = s().view.window;
    zurueck()->click();
    EXPECT_EQ(c().Text2->text().toStdString(), width);
    EXPECT_EQ(s().view.window.xmin, zoomed.xmin);
    EXPECT_EQ(s().view.window.xmax, zoomed.xmax);
}

TEST_F(Undo, MarksComeBackWithTheDrawing) {
    form->Picture15_Click(); // "Offene Kontur": the gap is marked
    ASSERT_EQ(s().view.markMode, 2);
    const int32_t marks = s().drawing.freecount;
    const QString label = c().Label2->text();
    ASSERT_GT(marks, 0);
    c().Command4->click();
    EXPECT_EQ(s().view.markMode, 0);
    zurueck()->click();
    EXPECT_EQ(s().view.markMode, 2);
    EXPECT_EQ(s().drawing.freecount, marks);
    EXPECT_EQ(c().Label2->text(), label);
}

TEST_F(Undo, AllesZurueckAfterFiveCommandsGivesTheLoadedDrawing) {
    const Tables loaded(s());
    c().Command4->click();
    scaleTo("200", "120");
    deleteContourAt(80, 60);
    c().wandel1->trigger();
    c().ftoleranz->setText("0.5");
    c().Command4->click();
    ASSERT_TRUE(differ(loaded, Tables(s())));
    EXPECT_EQ(form->history().steps(), 5u);

    const Tables changed(s());
    host = test::RecordingHost("N"); // "Nein" keeps everything
    allesZurueck()->click();
    expectSame(changed, Tables(s()));
    host.questions.clear();
    allesZurueck()->click();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].title, "Vectrim");
    EXPECT_EQ(host.questions[0].text, "Alle Änderungen zurücknehmen ?");
    expectSame(loaded, Tables(s()));
    EXPECT_EQ(c().Label20->text(), "Zurückgenommen: alle Änderungen");
    EXPECT_FALSE(zurueck()->isEnabled());
    EXPECT_FALSE(allesZurueck()->isEnabled());
    EXPECT_FALSE(s().state.unsaved());
}

TEST_F(Undo, AnInvalidFieldOrADeclinedQuestionRecordsNothing) {
    c().ktoleranz->setText("9");
    c().Command4->click();
    host = test::RecordingHost("NN");
    c().wandel1->trigger();  // declined
    deleteContourAt(20, 15); // declined
    EXPECT_EQ(form->history().steps(), 0u);
    EXPECT_FALSE(zurueck()->isEnabled());
    EXPECT_FALSE(s().state.unsaved());
}

} // namespace
} // namespace vectrim
