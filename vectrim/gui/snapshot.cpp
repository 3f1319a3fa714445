#include "snapshot.h"

#include "main_window.h"
#include "model/numtext.h"
#include "model/textfile.h"
#include "view/extents.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace vectrim {

bool writeSnapshot(Form16& w, const std::string& pngPath) {
    const bool picture = w.grab().save(QString::fromStdString(pngPath), "PNG");
    Form16Controls& c = w.controls();
    Session& s = w.session();
    Box extents{0, 0, 0, 0};
    getextents(s.drawing, extents, 1);
    const ViewWindow& v = s.view.window;
    auto num = [](double x) { return numberText(x); };
    AtomicTextFile out(pngPath + ".txt");
    out.line("caption=" + w.windowTitle().toStdString());
    out.line("wert1=" + c.wert1->text().toStdString());
    out.line("wert2=" + c.wert2->text().toStdString());
    out.line("Text2=" + c.Text2->text().toStdString());
    out.line("Text3=" + c.Text3->text().toStdString());
    out.line("ktoleranz=" + c.ktoleranz->text().toStdString());
    out.line("ftoleranz=" + c.ftoleranz->text().toStdString());
    out.line("gtoleranz=" + c.gtoleranz->text().toStdString());
    out.line("Label20=" + c.Label20->text().toStdString());
    out.line("left=" + numberText(w.leftTwips()));
    out.line("top=" + numberText(w.topTwips()));
    out.line("InchConverted=" + numberText(s.state.inchConverted));
    out.line("WizardChoice=" + numberText(s.state.wizardChoice));
    out.line("dxfPath=" + s.state.dxfPath);
    out.line("view=" + num(v.xmin) + num(v.ymin) + num(v.xmax) + num(v.ymax));
    out.line("extents=" + num(extents.xmin) + num(extents.ymin) + num(extents.xmax) + num(extents.ymax));
    return out.commit() && picture;
}

} // namespace vectrim
