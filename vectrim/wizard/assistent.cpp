// The main window's button ">> Assistent <<": the preset wizard form43.
#include "window/form16.h"
#include "wizard/form43.h"
#include "wizard/presets.h"

namespace vectrim {

void Form16::Command10_Click() {
    if (!wizardOpen(*session_, *this)) return;
    Form43 wizard(this, session_->state.wizardChoice, {c_.ktoleranz, c_.ftoleranz, c_.gtoleranz});
    wizard.exec();
    // The run starts once the wizard has closed.
    if (wizard.startRun()) Command4_Click();
}

} // namespace vectrim
