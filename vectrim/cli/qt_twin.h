// vectrim-cli starts without Qt: loading Qt's libraries costs more than a
// run on a drawing of thousands of lines. The two jobs that need Qt,
// outlining the texts of a DXF and printing, are done by its twin
// vectrim-cli-qt in the program folder: the same commands, built with Qt.
// A command that meets such a job stops with QtNeeded before it has written
// anything, and main lets the twin take over with the same arguments.
#pragma once

#include "dxf/text.h"

namespace vectrim::cli {

// Thrown where a job needs Qt.
struct QtNeeded {};

// Whether Qt jobs go to the twin: true in vectrim-cli built beside a twin
// until startTwin() failed.
bool twinTakesQtJobs();

// Replaces this process by the twin, with the same arguments and
// environment; returns only when the twin could not be started, after which
// twinTakesQtJobs() is false (texts are left out, printing is refused).
void startTwin(char** argv);

// Asks for the twin at the first text to outline.
class TwinOutliner : public dxf::TextOutliner {
public:
    bool outline(std::u32string_view, const dxf::FontRequest&, dxf::TextOutline&) override {
        throw QtNeeded{};
    }
};

} // namespace vectrim::cli
