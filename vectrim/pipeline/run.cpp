#include "pipeline/run.h"

#include "model/numtext.h"

namespace vectrim {

void getwerte(Session& s, RunFrame& frame, int16_t& error) {
    RunSettings& t = s.settings;
    t.maxradius = kMaxRadius;
    t.minradius = kMinRadius;
    t.minlength = kMinLength;
    t.reducetol = val(frame.fieldText(ToleranceField::Reduce));
    t.gaptol = val(frame.fieldText(ToleranceField::Gap));
    t.smoothtol = val(frame.fieldText(ToleranceField::Smooth));
    error = 0;
    struct Check {
        double value, limit;
        ToleranceField field;
        const char* text;
    };
    const Check checks[] = {
        {t.reducetol, 5, ToleranceField::Reduce,
         "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) "},
        {t.gaptol, 5, ToleranceField::Gap,
         "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) "},
        {t.smoothtol, 2, ToleranceField::Smooth,
         "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) "},
    };
    for (const Check& c : checks) {
        if (!(c.value >= 0 && c.value <= c.limit)) {
            s.host->message(c.text, "Exit", Icon::Critical);
            frame.focusField(c.field);
            error = 1;
            return;
        }
    }
}

// Until the stages are in place the run only checks the fields and ends as a
// run ends.
void bearbeitungeinfach(Session& s, RunFrame& frame) {
    s.state.busyflag = 1;
    int16_t error = 0;
    getwerte(s, frame, error);
    if (error) {
        s.state.busyflag = 0;
        return;
    }
    frame.getmima();
    frame.setWindowEnabled(true);
    frame.showCounts();
    s.host->info("Konvertierung beendet.        ");
    frame.clearMarks();
    s.state.busyflag = 0;
    frame.unloadAbortWindow();
    frame.clearMinimise();
    frame.restoreWindow();
}

} // namespace vectrim
