// Reading a drawing into the command line's session and writing results.
#pragma once

#include "cli_host.h"
#include "export/dxf_save.h"
#include "model/session.h"

#include <string>

namespace vectrim::cli {

// A private file in the temporary folder, removed when the object goes
// (also when a command stops for the Qt twin). An empty path when none
// could be made.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& stem);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Reads IN into the session as the main program reads an imported drawing: a
// .dxf is imported first (curve quality 30), a .dat is read as an exchange
// file (and kept). The drawing is moved to the origin unless keepPosition.
// A .dxf becomes the session's current DXF path, as in the main program.
// False when the input was refused (the message has been shown).
bool loadDrawing(Session& session, const std::string& path, bool keepPosition);

// Writes OUT by its extension: .dat an exchange file, .dxf a DXF in the
// given form (in the unit of drawingUnit), .json (also for an empty path or
// "-", on standard output) the model. False on failure.
bool writeDrawing(const Session& session, const CliHost& host, const std::string& path,
                  DxfForm form = DxfForm::LinesArcs);

// The model as JSON: lines, arcs, contour order, free ends, messages.
std::string modelJson(const Session& session, const CliHost& host);

} // namespace vectrim::cli
