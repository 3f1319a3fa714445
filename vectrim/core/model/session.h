// Everything one main program holds besides its windows: the drawing, the
// view window and marks, the values of a processing run, the main-window
// state and the host through which the core talks to the user.
#pragma once

#include "drawing.h"
#include "host.h"
#include "import_account.h"
#include "run_settings.h"
#include "view_state.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vectrim {

// The main-window state that travels with the drawing.
struct MainState {
    std::string dxfPath; // as handed to load (may end in a NUL)
    int16_t drawingLoaded = 0;
    int16_t inchConverted = 0; // InchConverted
    int16_t wizardChoice = -1; // WizardChoice
    int16_t busyflag = 0;
    std::string lastFolder;
    int32_t top = 0, left = 0; // saved window position, twips

    // Whether the drawing changed since it was loaded or saved as DXF: every
    // change gives the drawing a new number, which taking a change back
    // restores. Numbers are never given out twice, so a drawing changed
    // again after taking back does not count as saved.
    int64_t revision = 0;
    int64_t savedRevision = 0;
    int64_t lastRevision = 0;
    void changed() { revision = ++lastRevision; }
    void saved() { savedRevision = revision; }
    bool unsaved() const { return revision != savedRevision; }

    // The import's account of the opened DXF: declared units, what was left
    // out and approximated. Whether the drawing is to be asked about inch
    // before the first run.
    ImportAccount import;
    bool inchQuestionPending = false;
};

struct Session {
    explicit Session(Host& h) : host(&h) {}
    Drawing drawing;
    ViewState view;
    RunSettings settings;
    MainState state;
    Host* host;
};

} // namespace vectrim
