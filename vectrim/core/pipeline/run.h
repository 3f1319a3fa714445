// The processing run: reads the tolerance fields and applies the stages to
// the drawing in their fixed order.
#pragma once

#include "model/session.h"
#include "pipeline/run_frame.h"

#include <cstdint>

namespace vectrim {

// Reads and checks the tolerance fields into the settings and sets the fixed
// values; error = 1 (message shown, field focused) on an invalid field.
void getwerte(RunSettings& t, Host& host, RunFrame& frame, int16_t& error);

// How a run ended. The window has no use for it; batch callers do.
enum class RunOutcome {
    Finished,     // every stage ran
    InvalidInput, // a tolerance field was refused; nothing ran
    Declined,     // the question about more than 1000 lines was answered "N"
    Failed,       // a table ran full; the drawing was discarded
};

// The processing run, started by ">> Starten <<" and by the wizard.
RunOutcome bearbeitungeinfach(Session& s, RunFrame& frame);

} // namespace vectrim
