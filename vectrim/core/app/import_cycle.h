// The import cycle: the main program hands a DXF over to the import program
// (working file, parameter file, start of "load 1", end), and a main program
// started with an argument reads the imported drawing back.
#pragma once

#include "model/host.h"
#include "model/session.h"
#include "model/working_file.h"

#include <string>

namespace vectrim {

// What an open dialog's result means for a DXF. The result ends in the
// dialog's terminating NUL, so the four characters before the last one are
// the end of the file name.
struct DxfChoice {
    bool accepted = false;  // the name ends in ".DXF" (any case)
    std::string path;       // the result as it is, NUL included
    std::string lastFolder; // up to and including the last "/", empty without one
    std::string display;    // the last 30 characters of the result
};
DxfChoice dxfChoice(const std::string& dialogResult);

// The folder of the current drawing's DXF, with its trailing "/"; empty when
// no drawing was opened. The file dialogs start there.
std::string drawingFolder(const MainState& state);

enum class HandOverResult {
    Started,       // load runs; the caller ends the program at once
    ParFileFailed, // par.dat could not be written; load was not started
    StartFailed    // load could not be started
};

// Writes the working file (a failure resets the tolerance texts of `data`
// and the hand-over goes on) and the parameter file into `folder`, lets
// pending events run and starts the import program with "1", without waiting.
HandOverResult handOver(const std::string& folder, WorkingData& data, const std::string& path,
                        const std::string& display, Host& host);

// Starts the main program of `folder` without argument (the fallback of the
// restart); false when it cannot be started.
bool startEmptyMainProgram(const std::string& folder);

// Reads the exchange file of `folder` into the drawing, moves the drawing's
// lower-left extreme to (0, 0) and fits the view window to it. Messages for
// a missing, broken or too large file and for an empty drawing are shown
// through the session's host. False when nothing was read.
bool readImportedDrawing(Drawing& d, ViewWindow& window, Host& host, const std::string& folder);

} // namespace vectrim
