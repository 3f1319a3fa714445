// The import of load: read par.dat, open the DXF, erase what is invisible,
// explode compound entities in at most five passes, write every line and arc
// to tempd.dat and hand over to the main program.
#pragma once

#include "dxf/document.h"
#include "model/host.h"
#include "model/import_account.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vectrim::load {

// At most this many explode passes; what is still compound after them is
// not written.
inline constexpr int kExplodePasses = 5;

class Import {
public:
    Import(Host& host, dxf::TextOutliner* outliner);

    // `dateien`: the DXF path and the curve quality from par.dat in the
    // program folder. False when the file is missing or has fewer than two
    // lines.
    bool dateien(const std::string& folder);
    void setSource(const std::string& dxfPath, int32_t quality);

    // `loader`: opens the DXF, showing the reading progress in the status.
    bool loader();
    // `auswaehler`: erases every invisible entity.
    void auswaehler();
    // `explodieren`: selects every entity but circular arcs and explodes.
    void explodieren();
    // `exploder`: 1 while a compound entity or an elliptical arc is left.
    int exploder();
    // The explode passes: explodieren while exploder finds work, at most
    // kExplodePasses times.
    void explodePasses();
    // `schreiben`: the exchange file. False on a file error.
    bool schreiben(const std::string& exchangePath);

    // What was left out, for the status: "Nicht übernommen: 2 HATCH, ..."
    // (empty when nothing was).
    std::string report() const;
    // The declared units, the curve quality, what was left out and what was
    // approximated.
    ImportAccount account() const;

    const std::string& dxfPath() const { return dxfPath_; }
    int32_t quality() const { return quality_; }
    int64_t linesWritten() const { return lines_; }
    int64_t arcsWritten() const { return arcs_; }
    dxf::Document& document() { return *doc_; }

private:
    Host& host_;
    dxf::TextOutliner* outliner_;
    std::unique_ptr<dxf::Document> doc_;
    std::string dxfPath_;
    int32_t quality_ = 0;
    int64_t lines_ = 0, arcs_ = 0, rejected_ = 0, unexploded_ = 0;
};

// Starts a program without waiting; false when it could not be started.
using ProgramStarter = std::function<bool(const std::string& path, const std::vector<std::string>& args)>;

struct RunResult {
    bool imported = false; // tempd.dat written and the main program started with "1"
    std::string report;    // what was left out
    ImportAccount account;
    int64_t lines = 0, arcs = 0;
};

// The whole import of `load 1` in a program folder: dateien, loader,
// auswaehler, the explode passes and speichern, which writes the import's
// account (tempi.dat) and then the exchange file. Every failure shows
// "Dateizugriffsfehler !" and starts the main program without argument.
RunResult runImport(const std::string& folder, Host& host, dxf::TextOutliner* outliner,
                    const ProgramStarter& start);

// Imports a DXF into an exchange file as load does, without par.dat and
// without starting a program (for the batch front end). False, with the
// message shown, when the DXF cannot be read or the file not written.
bool importToExchangeFile(const std::string& dxfPath, int32_t quality, const std::string& exchangePath,
                          Host& host, dxf::TextOutliner* outliner, std::string* report = nullptr,
                          ImportAccount* account = nullptr);

} // namespace vectrim::load
